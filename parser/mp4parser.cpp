#include "parser/mp4parser.h"

Mp4Parser::Mp4Parser(const QString &path, QObject *parent) : ParserObject(path, parent) {}
