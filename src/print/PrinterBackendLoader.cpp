// The print system loaded from its module on first use, for the program.
// The module lies beside the executable in the build tree and in a private
// library folder once installed, found from the executable so that a moved
// installation still finds it.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include "print/PrinterBackend.h"

TPrinterBackend* MakePrinterBackend(QString& error) {
  const QDir program(QCoreApplication::applicationDirPath());
  const QString name = QStringLiteral(KALVORA_PRINT_MODULE_FILE);
  const QString folders[] = {program.path(),
                             QDir::cleanPath(program.filePath(QStringLiteral(KALVORA_PRINT_MODULE_DIR)))};
  for (const QString& folder : folders) {
    const QString file = QDir(folder).filePath(name);
    if (!QFileInfo::exists(file)) continue;
    const QString module = QStringLiteral("Das Druckmodul „%1“ ").arg(QDir::toNativeSeparators(file));
    QLibrary library(file);
    if (!library.load()) {
      error = module + QStringLiteral("ließ sich nicht laden.\nDas System meldet: %1").arg(library.errorString());
      return nullptr;
    }
    using TFactory = TPrinterBackend* (*)(int);
    const auto factory = reinterpret_cast<TFactory>(library.resolve(PrinterBackendFactory));
    if (TPrinterBackend* backend = factory ? factory(TPrinterBackend::Version) : nullptr) return backend;
    error = module + QStringLiteral("gehört zu einer anderen Ausgabe des Programms.");
    return nullptr;
  }
  error = QStringLiteral("Das Druckmodul „%1“ fehlt; gesucht wurde in „%2“ und in „%3“.")
              .arg(name, QDir::toNativeSeparators(folders[0]), QDir::toNativeSeparators(folders[1]));
  return nullptr;
}
