#pragma once

#include "parser/parserobject.h"

// Reads an AVI recording once, in the constructor: frame size and length from the main AVI
// header, and the GPS records either in a "GPSL" block or inside the "01wb" chunks.
class AVIParser : public ParserObject
{
    Q_OBJECT
public:
    explicit AVIParser(const QString &path, QObject *parent = nullptr);
    explicit AVIParser(std::unique_ptr<ByteSource> source, QObject *parent = nullptr);

private:
    void readMainHeader();
    bool findGpslBlock();
    void findAudioChunks();
    qint64 findMovieList(quint32 &listSize);
};
