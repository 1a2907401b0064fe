#include "app/quorin_main.h"

int main(int argc, char** argv) { return quorin::RunQuorin(argc, argv); }

// fontconfig keeps its configuration for the life of the process; a sanitized
// build would otherwise report it as a leak at exit.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so"; }
