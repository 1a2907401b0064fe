#include "core/document_reader.h"
