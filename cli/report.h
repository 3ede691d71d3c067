#pragma once

#include "image/differences.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

// What the program prints: results on standard output (text or one JSON object per terminal),
// errors on standard error, in Portuguese, naming the address or file and what failed.
namespace report
{

void out(const QString& text);
void outBytes(const QByteArray& bytes);
void outJson(const QJsonObject& object);
// "hxconfig-cli: WHERE: TEXT"
void error(const QString& where, const QString& text);

// "Conexão / IP Local [Conexao.IPLocal]: 192.168.0.50 -> 10.0.0.5"; reserved and password bytes
// "... : alterado".
QString differenceLine(const image::FieldDifference& difference);
// Each difference as {section, key, page, caption, from, to}.
QJsonArray differencesJson(const QList<image::FieldDifference>& differences);

} // namespace report
