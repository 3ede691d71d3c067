#include "image/layout.h"

#include <array>

namespace image
{
namespace
{

using enum Kind;

constexpr std::array kLayout = {
    Field{0, 1, FrameStart, {}},
    Field{1, 1, Letter, {}},
    Field{2, 1, Choice, "cbBaud0"},
    Field{3, 1, Choice, "cbParidade0"},
    Field{4, 1, Choice, "cbBits0"},
    Field{5, 1, Choice, "cbStop0"},
    Field{6, 1, Choice, "cbHand0"},
    Field{7, 1, Choice, "cbBaud1"},
    Field{8, 1, Choice, "cbParidade1"},
    Field{9, 1, Choice, "cbBits1"},
    Field{10, 1, Choice, "cbStop1"},
    Field{11, 1, Choice, "cbHand1"},
    Field{12, 1, Choice, "cbTeclado"},
    Field{13, 1, Choice, "cbAcionamento"},
    Field{14, 1, Reserved, {}},
    Field{15, 1, Flag, "cbInterface2G"},
    Field{16, 1, NumberByte, "cbNumTerm"},
    Field{17, 1, NumberByte, "cbCanalBase"},
    Field{18, 1, Choice, "cbTaxa"},
    Field{19, 1, Code, "cbConexaoTCP"},
    Field{20, 16, Text, "VIpLocal"},
    Field{36, 5, Text, "VPortaLocal"},
    Field{41, 16, Text, "VIpRemoto"},
    Field{57, 5, Text, "VPortaRemota"},
    Field{62, 1, Choice, "cbFlag0"},
    Field{63, 1, Choice, "cbFlag1"},
    Field{64, 1, Choice, "cbImpDefault"},
    Field{65, 1, Choice, "cbPolaridade"},
    Field{66, 16, Text, "VGateway"},
    Field{82, 16, Text, "VSubnet"},
    Field{98, 4, Text, "edTimeOutR"},
    Field{102, 2, ShortText, "edRetries", 2},
    Field{104, 1, Choice, "cbVelocidade"},
    Field{105, 1, Choice, "cbHFDuplex"},
    Field{106, 1, Reserved, {}},
    Field{107, 1, Code, "HabTelNet"},
    Field{108, 2, ShortText, "edDelay", 2},
    Field{110, 1, Choice, "cbTecladoTouch"},
    Field{111, 1, Choice, "cbSincronismoVideo"},
    Field{112, 2, Reserved, {}},
    Field{114, 12, Mac, "edMac"},
    Field{126, 4, Reserved, {}},
    Field{130, 1, Flag, "cbCom0"},
    Field{131, 1, Flag, "cbCom1"},
    Field{132, 1, Reserved, {}},
    Field{133, 1, Choice, "cbVLCM"},
    Field{134, 4, ShortText, "edTimeout0", 3},
    Field{138, 4, ShortText, "edTimeout1", 3},
    Field{142, 1, Choice, "cbTeclaBackspace"},
    Field{143, 1, Choice, "cbTeclaDel"},
    Field{144, 26, Reserved, {}},
    Field{170, 7, NewPassword, "VNovaSenha"},
    Field{177, 1, Reserved, {}},
    Field{178, 16, Text, "edConTelNet"},
    Field{194, 16, Text, "VLogin"},
    Field{210, 16, Text, "VPassword"},
    Field{226, 16, Text, "VCNPJ"},
    Field{242, 18, Reserved, {}},
};

} // namespace

std::span<const Field> layout()
{
    return kLayout;
}

const Field* fieldOf(std::string_view control)
{
    for (const Field& f : kLayout) {
        if (!control.empty() && f.control == control)
            return &f;
    }
    return nullptr;
}

} // namespace image
