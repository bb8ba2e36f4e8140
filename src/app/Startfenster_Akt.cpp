#include "Startfenster.h"

void TfmStart::Akt_GesuchtChange() {}
void TfmStart::Berechne_Akt() {}
