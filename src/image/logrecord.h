#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <QString>

// "Log Conf." appends one readable record of what the editor shows to this file in the program
// directory. The viewer and the File menu use the same spelling.
inline QString logFileName()
{
    return QStringLiteral("LogCfg.txt");
}

// What the editor shows at the moment of the press: the texts of the edit boxes, the text of a
// choice box's selected item (empty with none) and the checked states.
struct LogValues {
    QString mac, ipLocal, portaLocal, ipRemoto, portaRemota;
    bool client = false, server = false, system = false;
    QString gateway, subnet, login, password, cnpj, velocidade, hfDuplex, timeoutRede, retries;
    bool corvale = false, telnet = false, vt100 = false;
    QString conTelnet, del, backspace, impDefault, acionamento, teclado, lcm, polaridade;
    bool interface2G = false;
    QString bootDelay;
    bool com0 = false;
    QString timeout0, baud0, paridade0, bits0, stop0, hand0, flag0;
    bool com1 = false;
    QString timeout1, baud1, paridade1, bits1, stop1, hand1, flag1;
};

// "dd/mm/yy - hh:mm" with the locale's own date and time separators.
QString logDateText(const QDateTime& now, const QLocale& locale);

// The sixteen lines of one record, Windows-1252, each ending with CR LF.
QByteArray buildLogRecord(const LogValues& v, const QDateTime& now, const QLocale& locale);
