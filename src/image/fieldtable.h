#pragma once

// The field table itself: one row per field of the 260-byte image, in byte order. Only code that
// must check a control's name while compiling includes it (image/controlname.h); everything else
// reads the rows through image/layout.h.

#include "image/layout.h"

#include <QtGlobal>

#include <array>
#include <string_view>

namespace image::fieldtable
{

using enum Kind;
using sv = std::string_view;

inline constexpr std::array<sv, 8> kBaud = {"1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"};
inline constexpr std::array<sv, 3> kParity = {"Sem", "Par", "Ímpar"};
inline constexpr std::array<sv, 2> kBits = {"8", "7"};
inline constexpr std::array<sv, 2> kStop = {"1", "2"};
inline constexpr std::array<sv, 3> kHandshake = {"Cts/ Rts", "XOn/ XOff", "Nenhum"};
inline constexpr std::array<sv, 4> kKeyboard = {"44 Numérico", "44 Qwerty", "16 Teclas", "65 Teclas"};
inline constexpr std::array<sv, 4> kDigitalIo = {"Nenhuma", "Saída", "Entrada", "Todas"};
inline constexpr std::array<sv, 2> kNoYes = {"Não", "Sim"};
inline constexpr std::array<sv, 2> kRate = {"250 Kbit/s", "1 Mbit/s"};
inline constexpr std::array<sv, 2> kPrinter = {"Paralela", "Serial"};
inline constexpr std::array<sv, 2> kClockEdge = {"Subida", "Descida"};
inline constexpr std::array<sv, 3> kSpeed = {"Automático", "10 Mbit/s", "100 Mbis/s"};
inline constexpr std::array<sv, 2> kDuplex = {"Half Duplex", "Full Duplex"};
inline constexpr std::array<sv, 4> kVideoSync = {"H-   V-", "H+   V-", "H-   V+", "H+   V+"};
inline constexpr std::array<sv, 2> kBackspace = {"Chr(08)", "Chr(127)"};
inline constexpr std::array<sv, 2> kDel = {"Chr(27)", "Chr(127)"};
// The value names of the two codes, by code: the TCP role and the protocol as the editor names them.
inline constexpr std::array<sv, 4> kTcpRole = {"Nenhum", "Client", "Server", "System"};
inline constexpr std::array<sv, 3> kProtocol = {"VT - 100", "Corvale", "TelNet"};
// The radio buttons that show the codes, by code; no role has no button of its own.
inline constexpr std::array<sv, 4> kTcpRoleButtons = {"", "rbClient", "rbServer", "rbSystem"};
inline constexpr std::array<sv, 3> kProtocolButtons = {"HabVT100", "HabCorvale", control::protocol};

// "00".."99": the items of the terminal-number and channel boxes.
inline constexpr auto kTwoDigitChars = [] {
    std::array<char, 200> chars{};
    for (int i = 0; i < 100; ++i) {
        chars[std::size_t(2 * i)] = char('0' + i / 10);
        chars[std::size_t(2 * i + 1)] = char('0' + i % 10);
    }
    return chars;
}();
inline constexpr auto kTwoDigits = [] {
    std::array<sv, 100> items{};
    for (std::size_t i = 0; i < items.size(); ++i)
        items[i] = sv(kTwoDigitChars.data() + 2 * i, 2);
    return items;
}();

constexpr Field reserved(int first, int width)
{
    return {.first = first, .width = width, .kind = Reserved, .control = {}};
}

constexpr Field text(int first, int width, sv control, Page page, sv caption, sv key, int order, int padTo = 0)
{
    return {.first = first,
            .width = width,
            .kind = Text,
            .control = control,
            .page = page,
            .caption = caption,
            .key = key,
            .rule = Rule::Text,
            .order = order,
            .padTo = padTo};
}

constexpr Field shortText(int first, int width, sv control, int shown, Page page, sv caption, sv key, int order,
                          int padTo)
{
    Field f = text(first, width, control, page, caption, key, order, padTo);
    f.kind = ShortText;
    f.shown = shown;
    return f;
}

constexpr Field choice(int first, sv control, Page page, sv caption, sv key, Rule rule, std::span<const sv> items,
                       int order)
{
    return {.first = first,
            .width = 1,
            .kind = Choice,
            .control = control,
            .page = page,
            .caption = caption,
            .key = key,
            .rule = rule,
            .items = items,
            .order = order};
}

constexpr Field flag(int first, sv control, Page page, sv caption, sv key, int order)
{
    return {.first = first,
            .width = 1,
            .kind = Flag,
            .control = control,
            .page = page,
            .caption = caption,
            .key = key,
            .rule = Rule::YesNo,
            .items = kNoYes,
            .order = order};
}

// The 2.4 GHz radio fields: extension keys, and boxes the decoder fills only with the radio on.
constexpr Field radio(Field f, bool filledWithRadioOn = true)
{
    f.extension = true;
    if (filledWithRadioOn) {
        f.filledWhen = 15;
        f.usedWhen = 15;
        if (f.rule == Rule::Number)
            f.kind = NumberByte;
    }
    return f;
}

constexpr Field holding(Field f, Content content)
{
    f.content = content;
    return f;
}

// A serial port's setting: used only while the port's flag (bytes 130, 131) is on.
constexpr Field ofPort(Field f, int port)
{
    f.usedWhen = 130 + port;
    return f;
}

// Sent by the terminal only when a TelNet server prompts for it.
constexpr Field telNetOnly(Field f)
{
    f.telNetOnly = true;
    return f;
}

// The box accepts the field's width; its hint advises at most this many characters.
constexpr Field advising(Field f, int advised)
{
    f.advised = advised;
    return f;
}

inline constexpr Page kSerial = Page::Seriais;
inline constexpr Page kGeneral = Page::Gerais;
inline constexpr Page kLink = Page::Conexao;
inline constexpr Page kProto = Page::Protocolo;
inline constexpr Page kNet = Page::Rede;

inline constexpr std::array kLayout = {
    Field{.first = 0,
          .width = 1,
          .kind = FrameStart,
          .control = {},
          .caption = QT_TRANSLATE_NOOP("Field", "Início do quadro")},
    Field{.first = 1,
          .width = 1,
          .kind = Letter,
          .control = {},
          .caption = QT_TRANSLATE_NOOP("Field", "Letra do comando")},
    ofPort(choice(2, "cbBaud0", kSerial, QT_TRANSLATE_NOOP("Field", "Baud - Rate COM 0"), "BaudRate0", Rule::List,
                  kBaud, 28),
           0),
    ofPort(choice(3, "cbParidade0", kSerial, QT_TRANSLATE_NOOP("Field", "Paridade COM 0"), "Paridade0", Rule::List,
                  kParity, 29),
           0),
    ofPort(choice(4, "cbBits0", kSerial, QT_TRANSLATE_NOOP("Field", "Nº de Bits COM 0"), "NumBits0", Rule::List, kBits,
                  30),
           0),
    ofPort(choice(5, "cbStop0", kSerial, QT_TRANSLATE_NOOP("Field", "Stop Bits COM 0"), "StopBits0", Rule::List, kStop,
                  31),
           0),
    ofPort(choice(6, "cbHand0", kSerial, QT_TRANSLATE_NOOP("Field", "HandShake COM 0"), "HandShake0", Rule::List,
                  kHandshake, 32),
           0),
    ofPort(choice(7, "cbBaud1", kSerial, QT_TRANSLATE_NOOP("Field", "Baud - Rate COM 1"), "BaudRate1", Rule::List,
                  kBaud, 36),
           1),
    ofPort(choice(8, "cbParidade1", kSerial, QT_TRANSLATE_NOOP("Field", "Paridade COM 1"), "Paridade1", Rule::List,
                  kParity, 37),
           1),
    ofPort(choice(9, "cbBits1", kSerial, QT_TRANSLATE_NOOP("Field", "Nº de Bits COM 1"), "NumBits1", Rule::List, kBits,
                  38),
           1),
    ofPort(choice(10, "cbStop1", kSerial, QT_TRANSLATE_NOOP("Field", "Stop Bits COM 1"), "StopBits1", Rule::List, kStop,
                  39),
           1),
    ofPort(choice(11, "cbHand1", kSerial, QT_TRANSLATE_NOOP("Field", "HandShake COM 1"), "HandShake1", Rule::List,
                  kHandshake, 40),
           1),
    choice(12, "cbTeclado", kGeneral, QT_TRANSLATE_NOOP("Field", "Teclado"), "Teclado", Rule::List, kKeyboard, 21),
    choice(13, "cbAcionamento", kGeneral, QT_TRANSLATE_NOOP("Field", "Acionamento"), "Acionamento", Rule::List,
           kDigitalIo, 20),
    reserved(14, 1),
    radio(flag(15, control::interface2G, kGeneral, QT_TRANSLATE_NOOP("Field", "Interface de RF 2.4G"), "Interface2G", 43),
          false),
    radio(choice(16, "cbNumTerm", kGeneral, QT_TRANSLATE_NOOP("Field", "Nº do Terminal"), "NumTerminal", Rule::Number,
                 kTwoDigits, 44)),
    radio(choice(17, "cbCanalBase", kGeneral, QT_TRANSLATE_NOOP("Field", "Canal Base"), "CanalBase", Rule::Number,
                 kTwoDigits, 45)),
    radio(choice(18, "cbTaxa", kGeneral, QT_TRANSLATE_NOOP("Field", "Taxa de Transmissão"), "Taxa", Rule::List, kRate,
                 46)),
    Field{.first = 19,
          .width = 1,
          .kind = Code,
          .control = control::tcpConnection,
          .page = kLink,
          .caption = QT_TRANSLATE_NOOP("Field", "Conexão TCP"),
          .key = "ConexaoTCP",
          .rule = Rule::TcpRole,
          .items = kTcpRole,
          .order = 5,
          .subKey = "Tipo",
          .buttons = kTcpRoleButtons},
    holding(text(20, 16, control::ipLocal, kLink, QT_TRANSLATE_NOOP("Field", "IP Local"), "IPLocal", 8),
            Content::Address),
    holding(text(36, 5, "VPortaLocal", kLink, QT_TRANSLATE_NOOP("Field", "Porta Local"), "PortaLocal", 9),
            Content::Port),
    holding(text(41, 16, "VIpRemoto", kLink, QT_TRANSLATE_NOOP("Field", "IP Remoto"), "IPRemoto", 6), Content::Address),
    holding(text(57, 5, "VPortaRemota", kLink, QT_TRANSLATE_NOOP("Field", "Porta Remota"), "PortaRemota", 7),
            Content::Port),
    ofPort(choice(62, "cbFlag0", kSerial, QT_TRANSLATE_NOOP("Field", "Flag Serial COM 0"), "FlagSerial0", Rule::YesNo,
                  kNoYes, 33),
           0),
    ofPort(choice(63, "cbFlag1", kSerial, QT_TRANSLATE_NOOP("Field", "Flag Serial COM 1"), "FlagSerial1", Rule::YesNo,
                  kNoYes, 41),
           1),
    choice(64, "cbImpDefault", kProto, QT_TRANSLATE_NOOP("Field", "Impressora Default"), "ImpDefault", Rule::List,
           kPrinter, 18),
    choice(65, "cbPolaridade", kGeneral, QT_TRANSLATE_NOOP("Field", "Polaridade AT"), "Polaridade", Rule::List,
           kClockEdge, 23),
    holding(text(66, 16, "VGateway", kLink, QT_TRANSLATE_NOOP("Field", "Gateway"), "Gateway", 10), Content::Address),
    holding(text(82, 16, "VSubnet", kLink, QT_TRANSLATE_NOOP("Field", "Subnet Mask"), "SubNetMask", 11), Content::Mask),
    holding(text(98, 4, "edTimeOutR", kNet, QT_TRANSLATE_NOOP("Field", "Timeout Rede"), "TimeOutRede", 1, 4),
            Content::Digits),
    holding(shortText(102, 2, "edRetries", 2, kNet, QT_TRANSLATE_NOOP("Field", "Nº Retries"), "NumRetries", 2, 2),
            Content::Digits),
    choice(104, "cbVelocidade", kNet, QT_TRANSLATE_NOOP("Field", "Velocidade de Rede"), "VelocRede", Rule::Speed,
           kSpeed, 3),
    choice(105, "cbHFDuplex", kNet, QT_TRANSLATE_NOOP("Field", "Half/Full Duplex"), "Half/Full", Rule::List, kDuplex,
           4),
    reserved(106, 1),
    Field{.first = 107,
          .width = 1,
          .kind = Code,
          .control = control::protocol,
          .page = kProto,
          .caption = QT_TRANSLATE_NOOP("Field", "Protocolo"),
          .key = "ProtEmulado",
          .rule = Rule::Protocol,
          .items = kProtocol,
          .order = 15,
          .buttons = kProtocolButtons},
    holding(shortText(108, 2, "edDelay", 2, kGeneral, QT_TRANSLATE_NOOP("Field", "Boot Delay"), "BootDelay", 22, 0),
            Content::Digits),
    choice(110, "cbTecladoTouch", kGeneral, QT_TRANSLATE_NOOP("Field", "Habilita Touch"), "TecladoTouch", Rule::YesNo,
           kNoYes, 25),
    choice(111, "cbSincronismoVideo", kGeneral, QT_TRANSLATE_NOOP("Field", "Sincronismo de Vídeo"), "SincronismoVideo",
           Rule::Index, kVideoSync, 26),
    reserved(112, 2),
    Field{.first = 114,
          .width = 12,
          .kind = Mac,
          .control = control::mac,
          .page = kNet,
          .caption = QT_TRANSLATE_NOOP("Field", "Mac Address")},
    reserved(126, 4),
    flag(130, control::com0, kSerial, QT_TRANSLATE_NOOP("Field", "COM 0"), "Habilitado0", 27),
    flag(131, control::com1, kSerial, QT_TRANSLATE_NOOP("Field", "COM 1"), "Habilitado1", 35),
    reserved(132, 1),
    choice(133, "cbVLCM", kGeneral, QT_TRANSLATE_NOOP("Field", "LCM"), "LCM", Rule::YesNo, kNoYes, 24),
    ofPort(holding(shortText(134, 4, "edTimeout0", 3, kSerial, QT_TRANSLATE_NOOP("Field", "Timeout COM 0"), "TimeOut0",
                             34, 3),
                   Content::Digits),
           0),
    ofPort(holding(shortText(138, 4, "edTimeout1", 3, kSerial, QT_TRANSLATE_NOOP("Field", "Timeout COM 1"), "TimeOut1",
                             42, 3),
                   Content::Digits),
           1),
    choice(142, "cbTeclaBackspace", kProto, QT_TRANSLATE_NOOP("Field", "Backspace"), "BackSpace", Rule::List,
           kBackspace, 17),
    choice(143, "cbTeclaDel", kProto, QT_TRANSLATE_NOOP("Field", "Tecla DEL"), "DEL", Rule::List, kDel, 16),
    reserved(144, 26),
    Field{.first = 170,
          .width = 7,
          .kind = NewPassword,
          .control = control::newPassword,
          .caption = QT_TRANSLATE_NOOP("Field", "Nova Senha")},
    reserved(177, 1),
    advising(text(178, 16, "edConTelNet", kProto, QT_TRANSLATE_NOOP("Field", "Conexão TelNet"), "ConexaoTelNet", 19),
             15),
    telNetOnly(advising(text(194, 16, "VLogin", kLink, QT_TRANSLATE_NOOP("Field", "Login"), "Login", 12), 15)),
    telNetOnly(advising(text(210, 16, "VPassword", kLink, QT_TRANSLATE_NOOP("Field", "Password"), "Password", 13), 15)),
    telNetOnly(holding(text(226, 16, "VCNPJ", kLink, QT_TRANSLATE_NOOP("Field", "CNPJ"), "CNPJ", 14), Content::Cnpj)),
    reserved(242, 18),
};

} // namespace image::fieldtable
