#include "terminalmodel.h"

#include "framesplitter.h"
#include "image/controlname.h"
#include "image/layout.h"

#include <string_view>

namespace
{

QByteArray reply(char letter, char status)
{
    QByteArray bytes;
    bytes.append(FrameSplitter::kStart).append(letter).append(status).append(FrameSplitter::kEnd);
    return bytes;
}

bool isValidPassword(const QByteArray& password)
{
    return !password.isEmpty() && password.size() <= TerminalState::kPasswordMax;
}

} // namespace

void TerminalModel::putHostileTexts(QByteArray& image)
{
    const auto put = [&image](image::ControlName control, QByteArrayView text) {
        const image::Field& field = control.field();
        QByteArray bytes = text.toByteArray().leftJustified(field.width, '\0', true);
        image.replace(field.first, field.width, bytes);
    };
    put(image::control::mac, "0050\x1b[2J\x07\r\n");
    put("VLogin", "tec\x1b]0;x\x07\r\nroot");
    put("VPassword", "s\x1b[8m\x07\nx");
}

TerminalModel::TerminalModel(TerminalState& state, ModelFaults faults) : m_state(state), m_faults(faults) {}

QByteArray TerminalModel::handle(const QByteArray& request)
{
    if (m_rebooting || request.size() < 2)
        return {};
    const char first = request.at(0);
    const char letter = request.at(1);
    if (request.size() == image::kImageSize && (letter == 'G' || letter == 'V')) {
        if (first != FrameSplitter::kStart && first != '\0')
            return {};
        if (letter == 'V') {
            m_state.logo = request.mid(2, TerminalState::kLogoSize);
            ++m_state.revision;
            return {};
        }
        return handleWrite(request);
    }
    if (first != FrameSplitter::kStart || request.back() != FrameSplitter::kEnd || request.size() < 3)
        return {};
    return handleShort(request.mid(1, request.size() - 2));
}

QByteArray TerminalModel::handleShort(const QByteArray& body)
{
    if (body == "S")
        return reply('S', m_faults.notReady ? 'N' : 'O');
    if (body == "BZ") {
        if (m_faults.refuseReboot)
            return reply('B', 'N');
        m_rebooting = true;
        m_unlocked = false;
        return {};
    }
    if (body.startsWith('L')) {
        const QByteArray password = body.mid(1);
        if (!isValidPassword(password))
            return {};
        if (password != m_state.password)
            return reply('L', 'N');
        QByteArray image = m_state.image;
        image[0] = FrameSplitter::kStart;
        image[1] = 'F';
        if (m_faults.hostileTexts)
            putHostileTexts(image);
        return image;
    }
    if (body.startsWith("UW")) {
        const QByteArray password = body.mid(2);
        if (!isValidPassword(password))
            return {};
        m_unlocked = !m_faults.refuseUnlock && password == m_state.password;
        return reply('U', m_unlocked ? 'O' : 'N');
    }
    return {};
}

QByteArray TerminalModel::handleWrite(const QByteArray& frame)
{
    if (!m_unlocked)
        return {};
    m_state.image = frame;
    if (m_faults.corruptWrites) {
        // One bit of the local port's first character: a field the tool reads back and compares.
        const int spoilt = image::ControlName("VPortaLocal").field().first;
        m_state.image[spoilt] = char(m_state.image.at(spoilt) ^ 0x01);
    }
    // The tool writes bytes 170..176 only for a new password and otherwise sends back what it
    // read there, which is the current password.
    const QByteArray password = TerminalState::passwordIn(frame);
    m_state.setPassword(password.isEmpty() ? m_state.password : password);
    ++m_state.revision;
    return reply('G', 'O');
}
