#include "Startfenster.h"

void TfmStart::EuroBerechnung(QLineEdit*) {}
void TfmStart::EuroFelderLeeren() {}
