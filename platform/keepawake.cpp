#include "platform/keepawake.h"

KeepAwake::KeepAwake() = default;

KeepAwake::~KeepAwake() = default;
