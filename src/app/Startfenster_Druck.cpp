#include "Startfenster.h"

void TfmStart::btbtnDruckClick() {}
