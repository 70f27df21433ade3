#include "platform/keepawake.h"

KeepAwake::KeepAwake(QObject *parent) : QObject(parent) {}

KeepAwake::~KeepAwake() = default;
