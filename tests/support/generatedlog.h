#pragma once

#include <QByteArray>

#include <cstdint>

// A LogCfg.txt of `records` records as "Log Conf." writes them, one minute apart, from a fleet of
// about a third as many terminals, so that MACs repeat (terminals configured again) and last
// octets repeat across networks. The same seed gives the same bytes.
QByteArray generatedLog(int records, std::uint32_t seed = 1);
