#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The end of an encoder's output, kept within a fixed size, for the report of a failed piece.
class OutputTail final
{
public:
    void clear();
    void append(QByteArrayView bytes);
    // The last `count` non-empty lines; carriage returns end lines too, as progress lines use them.
    QString lastLines(int count) const;

private:
    QByteArray m_bytes;
    bool m_cut = false;
};
