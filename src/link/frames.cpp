#include "link/frames.h"

namespace frames
{
namespace
{

QByteArray frame(const QByteArray& body)
{
    QByteArray bytes;
    bytes.reserve(body.size() + 2);
    bytes.append(kStart).append(body).append(kEnd);
    return bytes;
}

} // namespace

QByteArray statusRequest()
{
    return frame(QByteArrayLiteral("S"));
}

QByteArray readRequest(const QByteArray& password)
{
    return frame(QByteArrayLiteral("L") + password);
}

QByteArray unlockRequest(const QByteArray& password)
{
    return frame(QByteArrayLiteral("UW") + password);
}

QByteArray rebootRequest()
{
    return frame(QByteArrayLiteral("BZ"));
}

Reply classify(const QByteArray& block)
{
    Reply reply;
    if (block.size() < 2)
        return reply;
    reply.valid = true;
    reply.letter = block.at(1);
    if (block.size() >= 3) {
        reply.hasStatus = true;
        reply.status = block.at(2);
    }
    return reply;
}

} // namespace frames
