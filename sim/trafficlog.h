#pragma once

#include <QByteArray>
#include <QString>

// What --verbose prints for one connection: a line when it opens and closes, for every frame
// received and for every reply sent, as "HH:MM:SS.mmm #N text" on standard output, flushed at once
// so that a log file can be followed while the tool runs. Connections are numbered 1, 2, ... in
// the order they were accepted.
//
//   10:41:07.512 #1 <- S, 3 bytes (status)
//   10:41:07.513 #1 -> S O, 4 bytes (status)
//   10:41:09.020 #1 <- G, 260 bytes (write), changed: VIpLocal, edTimeOutR
class TrafficLog final
{
public:
    TrafficLog();

    void connected(const QString& peer) const;
    // Before the terminal handles the frame: a write frame is compared with the stored image.
    void received(const QByteArray& frame, const QByteArray& storedImage) const;
    void sent(const QByteArray& reply) const;
    void closed() const;

    int number() const { return m_number; }

    // The line texts after the connection number.
    static QString receivedText(const QByteArray& frame, const QByteArray& storedImage);
    static QString sentText(const QByteArray& reply);
    // The fields of the image table whose bytes differ, in byte order ("none" when none do);
    // reserved ranges show as "reserved 144..169". Bytes 0 and 1 (start byte, letter) are skipped.
    static QString changedFields(const QByteArray& image, const QByteArray& storedImage);

private:
    void print(const QString& text) const;

    int m_number;
};
