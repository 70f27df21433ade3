#include "fuzzinput.h"
#include "parser/mp4parser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return FuzzInput::readRecording<Mp4Parser>(data, size);
}
