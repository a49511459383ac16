// The program's entry point: the toolkit creates MyApp and runs its event loop.
#include "app/MyApp.h"

wxIMPLEMENT_APP(MyApp);
