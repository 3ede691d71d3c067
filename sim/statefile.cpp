#include "statefile.h"

#include "image/layout.h"

#include <QFile>
#include <QSaveFile>

namespace statefile
{
namespace
{

const QByteArray kHeader = QByteArrayLiteral("hxterm-sim state 1");

} // namespace

std::optional<TerminalState> load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QList<QByteArray> lines = file.readAll().split('\n');
    if (lines.isEmpty() || lines.first().trimmed() != kHeader)
        return std::nullopt;
    TerminalState state;
    bool hasPassword = false;
    for (const QByteArray& line : lines) {
        const QList<QByteArray> parts = line.trimmed().split(' ');
        if (parts.size() != 2)
            continue;
        const QByteArray value = QByteArray::fromHex(parts.at(1));
        if (parts.at(0) == "password") {
            state.password = value;
            hasPassword = true;
        } else if (parts.at(0) == "image") {
            state.image = value;
        } else if (parts.at(0) == "logo") {
            state.logo = value;
        }
    }
    if (!hasPassword || state.password.isEmpty() || state.password.size() > TerminalState::kPasswordMax ||
        state.image.size() != image::kImageSize || state.logo.size() != TerminalState::kLogoSize)
        return std::nullopt;
    return state;
}

bool save(const QString& path, const TerminalState& state, QString* error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(kHeader + '\n');
        file.write("password " + state.password.toHex() + '\n');
        file.write("image " + state.image.toHex() + '\n');
        file.write("logo " + state.logo.toHex() + '\n');
        if (file.commit())
            return true;
    }
    if (error)
        *error = file.errorString();
    return false;
}

} // namespace statefile
