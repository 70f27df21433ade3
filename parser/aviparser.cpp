#include "parser/aviparser.h"

AVIParser::AVIParser(const QString &path, QObject *parent) : ParserObject(path, parent) {}
