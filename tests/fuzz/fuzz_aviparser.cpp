#include "fuzzinput.h"
#include "parser/aviparser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return FuzzInput::readRecording<AVIParser>(data, size);
}
