#include "app/quorin_main.h"

int main(int argc, char** argv) { return quorin::RunQuorin(argc, argv); }
