#include "link/frames.h"

#include "image/cp1252.h"

#include <QCoreApplication>

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

image::Outcome<void> checkPassword(const QByteArray& password)
{
    if (password.isEmpty() || password.size() > 6)
        return image::Failure{
            QCoreApplication::translate("Link", "a senha deve ter de 1 a 6 caracteres, não %1").arg(password.size())};
    if (password.contains(kStart) || password.contains(kEnd))
        return image::Failure{
            QCoreApplication::translate("Link", "a senha não pode conter os caracteres \u201A e \u0192")};
    return {};
}

image::Outcome<void> checkNewPassword(const QString& newPassword)
{
    if (newPassword.size() != 6)
        return image::Failure{
            QCoreApplication::translate("Link", "a nova senha deve ter exatamente 6 caracteres, não %1")
                .arg(newPassword.size())};
    if (const image::Outcome<void> fit = checkPassword(cp1252::encode(newPassword)); !fit)
        return image::Failure{QCoreApplication::translate("Link", "nova senha: %1").arg(fit.failure().text)};
    return {};
}

} // namespace frames
