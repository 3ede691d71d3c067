#pragma once

#include <span>
#include <string_view>

// The 260-byte configuration image: every byte range, the editor control that shows it, its
// encoding, the page and caption it is shown under, the company-default key that carries it and
// the item texts of its choice list. The decoder, the stores, the company defaults, the
// configuration file and the log all address the image through this one table. Captions and page
// names are Portuguese, marked for the translation catalogue (context "Field"): image::captionOf
// and image::pageText show them in the user's language.
namespace image
{

constexpr int kImageSize = 260;
constexpr int kPristineOffset = 260; // a field's as-read bytes lie this far behind its working bytes
constexpr unsigned char kStartByte = 0x82;
constexpr unsigned char kEndByte = 0x83;

enum class Kind {
    FrameStart,  // byte 0, as the terminal sent it
    Letter,      // byte 1: 'F' in the read reply, 'G' in the copies and the write frame
    Choice,      // item index of a choice box, one byte, 255 with no selection
    NumberByte,  // number 0..99 typed or picked in a "00".."99" box
    Flag,        // 0 off, 1 on
    Code,        // small number chosen by a group of radio buttons
    Text,        // text shown by appending byte after byte, zero-filled when stored
    ShortText,   // 2 or 3 characters built at once (retries, boot delay, serial timeouts)
    Mac,         // shown only, never stored
    NewPassword, // six characters and a zero byte, written only by "Gravar"
    Reserved,    // carried through untouched
};

// The editor page that shows a field; its company section bears the same name without accents.
enum class Page { None, Rede, Conexao, Protocolo, Gerais, Seriais };

// What a text field must hold for the terminal to work; the checks read it.
enum class Content {
    Free,    // any text
    Address, // a dotted IPv4 address
    Mask,    // a dotted IPv4 network mask
    Port,    // a TCP port, 0..65535
    Digits,  // decimal digits only
    Cnpj,    // a company's tax number: 14 digits with two check digits
};

// How a company-default value reaches the field (the "Default" button's rules).
enum class Rule {
    None,     // no key: fixed, reserved, MAC and password bytes
    Text,     // the value becomes the box's text, cut to the field in the image
    List,     // an item text, matched whole ignoring letter case
    YesNo,    // "Nao" (exactly) is off or item 0; any other value is on or item 1
    Speed,    // "Automatico" (exactly) is item 0; any other value follows the list rule
    TcpRole,  // key "Sim" (exactly) checks the box and reads subKey: "Client", "Server", else System
    Protocol, // "VT-100", "Corvale" (exactly); any other value is TelNet
    Index,    // a decimal integer that is the item index
    Number,   // a decimal integer 0..99, the item index of a "00".."99" box
};

struct Field {
    int first;
    int width;
    Kind kind;
    std::string_view control; // objectName of the control; empty for fixed and reserved bytes
    int shown = 0;            // ShortText: characters shown in the box (2 or 3)
    Page page = Page::None;
    std::string_view caption{}; // UTF-8, Portuguese: the label next to the control, or its own caption
    std::string_view key{};     // key in the page's company section; empty when none
    Rule rule = Rule::None;
    bool extension = false;                    // a key of the configuration file that the "Default" button ignores
    std::span<const std::string_view> items{}; // UTF-8 item texts; the value names of flags and codes
    int order = 0;                             // place in the "Default" button's reading order (extension keys last)
    int padTo = 0;                             // "Gravar" left-pads a shorter text with '0' to this many characters
    std::string_view subKey{};                 // TcpRole: the key naming the role
    int filledWhen = 0; // the decoder fills the box only when this flag byte is non-zero (0: always)
    Content content = Content::Free;
    int advised = 0;         // Text: the most characters its hint advises (0: the field's width)
    int usedWhen = 0;        // the terminal uses the value only while this flag byte is non-zero (0: always)
    bool telNetOnly = false; // sent only with TCP role System and protocol TelNet
    std::span<const std::string_view> buttons{}; // Code: objectName of the radio button of each value; empty for none
};

// The controls of the identity fields that the tools address directly. The table's rows name them
// through these constants, so a renamed control breaks the build, not a run.
namespace control
{
constexpr std::string_view mac = "edMac";
constexpr std::string_view ipLocal = "VIpLocal";
constexpr std::string_view newPassword = "VNovaSenha";
constexpr std::string_view com0 = "cbCom0";
constexpr std::string_view com1 = "cbCom1";
constexpr std::string_view tcpConnection = "cbConexaoTCP";
constexpr std::string_view protocol = "HabTelNet";
constexpr std::string_view interface2G = "cbInterface2G";
} // namespace control

// All rows in byte order; together they cover bytes 0..259 exactly once.
std::span<const Field> layout();

// The rows of the identity fields: the terminal's hardware address, its own IP address, and the
// new password that "Gravar" places.
const Field& macField();
const Field& ipLocalField();
const Field& newPasswordField();
// The rows whose controls switch other controls on and off: the two serial ports, the TCP role,
// the protocol and the 2.4 GHz interface.
const Field& com0Field();
const Field& com1Field();
const Field& tcpRoleField();
const Field& protocolField();
const Field& interface2GField();

// The row of the control with this objectName, or nullptr.
const Field* fieldOf(std::string_view control);

// The rows that carry a company or extension key, in the "Default" button's reading order.
std::span<const Field* const> keyedFields();

// "Rede", "Conexão", ...: the page's caption in Portuguese; empty for Page::None.
std::string_view pageCaption(Page page);
// "Rede", "Conexao", ...: the company section named after the page; empty for Page::None.
std::string_view sectionName(Page page);

// The five company sections in file order.
std::span<const Page> companyPages();

} // namespace image
