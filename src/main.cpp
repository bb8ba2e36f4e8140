#include "Anwendung.h"
#include "Startfenster.h"

int main(int argc, char** argv) {
  TAnwendung anwendung(argc, argv);
  anwendung.FensterErzeugen();
  fmStart->show();
  return anwendung.exec();
}
