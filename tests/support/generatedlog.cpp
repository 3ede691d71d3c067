#include "generatedlog.h"

#include "image/logrecord.h"

#include <QRandomGenerator>

QByteArray generatedLog(int records, std::uint32_t seed)
{
    QRandomGenerator random(seed);
    const int terminals = std::max(1, records / 3);
    const QLocale locale(QLocale::Portuguese, QLocale::Brazil);
    QDateTime when(QDate(2024, 1, 2), QTime(8, 0));
    QByteArray log;
    for (int r = 0; r < records; ++r) {
        const int terminal = int(random.bounded(terminals));
        LogValues v;
        v.mac = QStringLiteral("0050C2%1").arg(terminal, 6, 16, QLatin1Char('0')).toUpper();
        v.ipLocal =
            QStringLiteral("10.%1.%2.%3").arg(terminal >> 16).arg((terminal >> 8) & 0xff).arg(terminal % 254 + 1);
        v.portaLocal = QStringLiteral("0023");
        v.ipRemoto = QStringLiteral("10.0.0.1");
        v.portaRemota = QStringLiteral("9000");
        v.client = random.bounded(2) == 0;
        v.server = !v.client;
        v.gateway = QStringLiteral("10.0.0.254");
        v.subnet = QStringLiteral("255.255.0.0");
        v.vt100 = true;
        v.conTelnet = QStringLiteral("Caixa %1").arg(terminal % 40);
        v.bootDelay = QStringLiteral("05");
        v.com0 = random.bounded(2) == 0;
        v.com1 = random.bounded(4) == 0;
        log += buildLogRecord(v, when, locale);
        when = when.addSecs(60);
    }
    return log;
}
