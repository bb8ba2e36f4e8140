#pragma once
// The general error handler: every event handler that can fail ends here. It
// shows the stop box with the program title and the error text, a full stop
// appended by the usual rule. Below every window, so that any of them can
// reach it.
#include <QObject>
#include <QString>
#include <exception>
#include <utility>

QString MitPunkt(const QString& text);
void FehlerZeigen(const QString& text);

// Runs an event handler; any error it raises ends in the general error handler.
template <class F>
void Fehlerbehandelt(F&& handler) {
  try {
    std::forward<F>(handler)();
  } catch (const std::exception& e) {
    FehlerZeigen(QString::fromUtf8(e.what()));
  }
}

// Connects a signal to a handler method that runs under the general error handler.
template <class Sender, class Signal, class Empfaenger>
QMetaObject::Connection VerbindenBehandelt(Sender* sender, Signal signal, Empfaenger* empfaenger,
                                           void (Empfaenger::*handler)()) {
  return QObject::connect(sender, signal, empfaenger,
                          [empfaenger, handler] { Fehlerbehandelt([&] { (empfaenger->*handler)(); }); });
}
