#include "DatafileReaderInterface.h"

DatafileReaderInterface::~DatafileReaderInterface() = default;
