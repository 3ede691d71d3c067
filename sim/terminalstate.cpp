#include "terminalstate.h"

#include "image/controlname.h"
#include "image/imagebuffer.h"
#include "image/layout.h"

#include <cstdint>
#include <string_view>

namespace
{

void putByte(QByteArray& image, image::ControlName control, int value)
{
    image[control.field().first] = char(value);
}

void putText(QByteArray& image, image::ControlName control, const QByteArray& text)
{
    const image::Field& field = control.field();
    Q_ASSERT(text.size() <= field.width);
    for (int i = 0; i < field.width; ++i)
        image[field.first + i] = i < text.size() ? text.at(i) : '\0';
}

// A recognisable, never-zero pattern for the bytes the tool must carry through untouched.
void fillReserved(QByteArray& image)
{
    for (const image::Field& field : image::layout()) {
        if (field.kind != image::Kind::Reserved)
            continue;
        for (int i = field.first; i < field.first + field.width; ++i)
            image[i] = char(std::uint8_t((i * 7) % 255 + 1));
    }
}

} // namespace

void TerminalState::setPassword(const QByteArray& newPassword)
{
    password = newPassword.left(kPasswordMax);
    for (int i = 0; i <= kPasswordMax; ++i)
        image[kPasswordFirst + i] = i < password.size() ? password.at(i) : '\0';
}

QByteArray TerminalState::passwordIn(const QByteArray& image)
{
    QByteArray result = image.mid(kPasswordFirst, kPasswordMax);
    const qsizetype zero = result.indexOf('\0');
    if (zero >= 0)
        result.truncate(zero);
    return result;
}

TerminalState initialState(const QByteArray& password)
{
    TerminalState state;
    QByteArray& image = state.image;
    image = image::blankReadImage();
    fillReserved(image);

    // COM 0: fitted but off; COM 1: 9600 bit/s, no parity, 8 bits, 1 stop bit, no handshake.
    putByte(image, "cbBaud0", 4);
    putByte(image, "cbHand0", 0);
    putByte(image, "cbBaud1", 3);
    putByte(image, "cbHand1", 2);
    putByte(image, "cbCom0", 0);
    putByte(image, "cbCom1", 1);
    putText(image, "edTimeout0", QByteArrayLiteral("010"));
    putText(image, "edTimeout1", QByteArrayLiteral("010"));

    putByte(image, "cbTeclado", 1);
    putByte(image, "cbAcionamento", 0);
    putByte(image, "cbNumTerm", 7);
    putByte(image, "cbCanalBase", 12);
    putByte(image, "cbPolaridade", 1);
    putByte(image, "cbHFDuplex", 1);
    putByte(image, "cbTeclaDel", 1);

    putByte(image, "cbConexaoTCP", 1); // TCP role Client
    putText(image, image::control::ipLocal, QByteArrayLiteral("192.168.0.50"));
    putText(image, "VPortaLocal", QByteArrayLiteral("1001"));
    putText(image, "VIpRemoto", QByteArrayLiteral("192.168.0.10"));
    putText(image, "VPortaRemota", QByteArrayLiteral("0023"));
    putText(image, "VGateway", QByteArrayLiteral("192.168.0.1"));
    putText(image, "VSubnet", QByteArrayLiteral("255.255.255.0"));
    putText(image, "edTimeOutR", QByteArrayLiteral("1000"));
    putText(image, "edRetries", QByteArrayLiteral("03"));
    putText(image, image::control::mac, QByteArrayLiteral("0050C2A1B2C3"));
    putText(image, "edDelay", QByteArrayLiteral("10"));

    putByte(image, "HabTelNet", 2); // protocol TelNet
    putText(image, "edConTelNet", QByteArrayLiteral("vt100"));
    putText(image, "VLogin", QByteArrayLiteral("operador"));
    putText(image, "VPassword", QByteArrayLiteral("hx2000"));
    putText(image, "VCNPJ", QByteArrayLiteral("12345678000190"));

    state.setPassword(password);
    state.logo = QByteArray(TerminalState::kLogoSize, '\0');
    return state;
}

TerminalState fleetTerminalState(TerminalState base, int number)
{
    const QByteArray mac =
        QByteArrayLiteral("0050C2") + QByteArray::number(number, 16).toUpper().rightJustified(6, '0');
    const quint32 ip = (10u << 24) + quint32(number);
    const QByteArray ipLocal = QByteArray::number(ip >> 24) + '.' + QByteArray::number((ip >> 16) & 0xFF) + '.' +
                               QByteArray::number((ip >> 8) & 0xFF) + '.' + QByteArray::number(ip & 0xFF);
    putText(base.image, image::control::mac, mac.right(12));
    putText(base.image, image::control::ipLocal, ipLocal);
    // One network that holds them all (a fleet never reaches its router at the far end).
    putText(base.image, "VSubnet", QByteArrayLiteral("255.0.0.0"));
    putText(base.image, "VGateway", QByteArrayLiteral("10.255.255.254"));
    return base;
}
