#include "image/logrecord.h"

#include "image/cp1252.h"
#include "image/visibletext.h"

#include <QStringList>

namespace
{

// The first character of a format string that is no pattern letter and no quote: the separator
// the user's regional settings put between the parts.
QString separatorOf(const QString& format, QChar fallback)
{
    for (const QChar c : format) {
        // Invisible direction marks of some locales are no separators.
        if (!c.isLetter() && c != QLatin1Char('\'') && !c.isSpace() && c.category() != QChar::Other_Format)
            return QString(c);
    }
    return QString(fallback);
}

QString tcpModeText(const LogValues& v)
{
    QString text;
    if (v.client)
        text += QStringLiteral("Conexao TCP: Cliente ");
    if (v.server)
        text += QStringLiteral("Conexao TCP: Servidor ");
    if (v.system)
        text += QStringLiteral("Conexao TCP: System ");
    return text;
}

QString protocolText(const LogValues& v)
{
    QString text;
    if (v.corvale)
        text += QStringLiteral("Protocolo: Corvale ");
    if (v.telnet)
        text += QStringLiteral("Protocolo: Telnet ");
    if (v.vt100)
        text += QStringLiteral("Protocolo: VT-100 ");
    return text;
}

QString serialLine(const QString& baud, const QString& parity, const QString& bits, const QString& stop,
                   const QString& hand, const QString& flag)
{
    return QStringLiteral("Baud:") + baud + QStringLiteral(" Paridade:") + parity + QStringLiteral(" Bits:") + bits +
           QStringLiteral(" Stop:") + stop + QStringLiteral(" HandShake:") + hand + QStringLiteral(" Flag:") + flag;
}

} // namespace

QString logDateText(const QDateTime& now, const QLocale& locale)
{
    const QString dateSep = separatorOf(locale.dateFormat(QLocale::ShortFormat), QLatin1Char('/'));
    const QString timeSep = separatorOf(locale.timeFormat(QLocale::ShortFormat), QLatin1Char(':'));
    const QDate d = now.date();
    const QTime t = now.time();
    auto two = [](int n) { return QStringLiteral("%1").arg(n % 100, 2, 10, QLatin1Char('0')); };
    return two(d.day()) + dateSep + two(d.month()) + dateSep + two(d.year()) + QStringLiteral(" - ") + two(t.hour()) +
           timeSep + two(t.minute());
}

QByteArray buildLogRecord(const LogValues& v, const QDateTime& now, const QLocale& locale)
{
    const QString bar = QString(10, QLatin1Char('='));
    const QStringList lines = {
        bar + logDateText(now, locale) + bar,
        QStringLiteral("Configuracao MAC: ") + v.mac,
        QStringLiteral("IP Local:") + v.ipLocal + QStringLiteral(" Porta Local:") + v.portaLocal +
            QStringLiteral(" IP Remoto:") + v.ipRemoto + QStringLiteral(" Porta Remota:") + v.portaRemota,
        tcpModeText(v) + QStringLiteral("Gateway:") + v.gateway + QStringLiteral(" Mascara de Rede:") + v.subnet,
        QStringLiteral("Login:") + v.login + QStringLiteral(" Password:") + v.password + QStringLiteral(" CNPJ:") +
            v.cnpj,
        QStringLiteral("Velocidade: ") + v.velocidade + QStringLiteral(" Half/Full Duplex:") + v.hfDuplex,
        QStringLiteral("Timeout:") + v.timeoutRede + QStringLiteral(" Retries:") + v.retries,
        protocolText(v) + QStringLiteral("Conexao Telnet:") + v.conTelnet,
        QStringLiteral("DEL:") + v.del + QStringLiteral(" BackSpace:") + v.backspace + QStringLiteral(" Imp Default:") +
            v.impDefault,
        QStringLiteral("Acionamento:") + v.acionamento + QStringLiteral(" Teclado:") + v.teclado +
            QStringLiteral(" LCM:") + v.lcm + QStringLiteral(" Polaridade AT:") + v.polaridade,
        // Without the radio interface the line carries the boot delay alone.
        (v.interface2G ? QStringLiteral("Interf. 2.4GHz:SIM  ") : QString()) + QStringLiteral("Boot Delay: ") +
            v.bootDelay,
        (v.com0 ? QStringLiteral("Com0: ON ") : QStringLiteral("Com0: OFF ")) + QStringLiteral("Timeout: ") +
            v.timeout0,
        serialLine(v.baud0, v.paridade0, v.bits0, v.stop0, v.hand0, v.flag0),
        (v.com1 ? QStringLiteral("Com1: ON ") : QStringLiteral("Com1: OFF ")) + QStringLiteral("Timeout: ") +
            v.timeout1,
        serialLine(v.baud1, v.paridade1, v.bits1, v.stop1, v.hand1, v.flag1),
        QString(77, QLatin1Char('=')),
    };
    QByteArray out;
    // A value's line break would cut the record's line in two: one record is always sixteen lines.
    for (const QString& line : lines)
        out += cp1252::encode(image::oneLineText(line)) + "\r\n";
    return out;
}
