#include "ui/controlrules.h"

#include <QCoreApplication>

// The tool-tip texts of the main window's controls, in the order in which they are assigned.
// "\n\r" (LF CR) and a lone "\r" are the line breaks of the stored texts.
QList<ToolTipEntry> toolTipList(const QString& settingsFilePath)
{
    QList<ToolTipEntry> entries = {
        {{QStringLiteral("cbPolaridade")},
         QCoreApplication::translate(
             "ToolTips",
             "Define a borda do sinal de clock utilizado\n\rna leitura dos dados na interface teclado AT.")},
        {{QStringLiteral("cbCom0"), QStringLiteral("cbCom1")},
         QCoreApplication::translate(
             "ToolTips", "Permitir o funcionamento da interface Serial 0/1. A Serial 1 é por default instalada no "
                         "equipamento.\n\rA Serial 0 é opcional, caso não esteja instalada sua habilitação deverá ser "
                         "definida como Não.")},
        {{QStringLiteral("cbBaud0"), QStringLiteral("cbBaud1")},
         QCoreApplication::translate(
             "ToolTips", "Valores válidos: 1200, 2400, 4800, 9600, 19200, 38400, 57600 ou 115200 "
                         "Bits/segundo.\n\rFunção: Determinar a velocidade de comunicação das portas Seriais.")},
        {{QStringLiteral("cbParidade0"), QStringLiteral("cbParidade1")},
         QCoreApplication::translate(
             "ToolTips", "Valores válidos: Par, Impar, Nenhum\n\rFunção: Definir a existência de bit de paridade no "
                         "byte de comunicação.")},
        {{QStringLiteral("cbBits0"), QStringLiteral("cbBits1")},
         QCoreApplication::translate(
             "ToolTips", "Valores válidos: 7 ou 8.\n\rFunção: Define o número de bits na palavra de comunicação.")},
        {{QStringLiteral("cbStop0"), QStringLiteral("cbStop1")},
         QCoreApplication::translate(
             "ToolTips",
             "Valores válidos: 1 ou 2.\n\rFunção: Definir o número de stop bits em cada byte transmitido.")},
        {{QStringLiteral("cbHand0"), QStringLiteral("cbHand1")},
         QCoreApplication::translate(
             "ToolTips", "Valores válidos: Nenhum, Xon/Xoff, Cts/Rts\n\rFunção: Determinar o tipo de controle de fluxo "
                         "na comunicação da interface Serial.")},
        {{QStringLiteral("cbFlag0"), QStringLiteral("cbFlag1")},
         QCoreApplication::translate(
             "ToolTips", "Valores válidos: Sim, Não\n\rFunção: Habilitar o envio de dados recebidos pela Serial do "
                         "terminal no formato compatível com o Flag de Serial do Microterminal RS-485,\n\rou seja: "
                         "“\\” + chr(nibble superior+0x0e) + chr(nibble inferior + 0xe0).")},
        {{QStringLiteral("edTimeout0"), QStringLiteral("edTimeout1")},
         QCoreApplication::translate(
             "ToolTips",
             "Valores válidos: Campo numérico com três dígitos.\n\rFunção: Quando a serial estiver configurada para "
             "acionamento\n\rcom controle de fluxo, indica o tempo em milésimos de segundos que o "
             "Microterminal\n\respera antes de enviar o próximo caracter.\n\rQuando o campo é configurado como 000 o "
             "terminal fica travado aguardando liberação, para então enviar o próximo caracter.")},
        {{QStringLiteral("cbTeclado")},
         QCoreApplication::translate(
             "ToolTips",
             "Valores válidos: 16 teclas, 44 Numérico, 44 Qwerty ou 65 Teclas.\n\rFunção: Definir o tipo de teclado "
             "instalado no terminal.\n\rAtenção: Este campo não deve ser alterado, pois as teclas de configuração não "
             "são as mesmas\n\rentre os modelos 16 teclas, 44 teclas ou 65 teclas, uma vez alterado, a restauração só "
             "será possível em assistência técnica especializada.")},
        {{QStringLiteral("cbAcionamento")},
         QCoreApplication::translate(
             "ToolTips", "Valores válidos: Nenhuma, Entrada, Saída, Todas\n\rFunção: Define a existência de interface "
                         "de I/O digital no equipamento.")},
        {{QStringLiteral("cbVLCM")},
         QCoreApplication::translate(
             "ToolTips",
             "Valores válidos:  Sim ou Não\n\rFunção:  Define a existência  de Leitor de Cartão Magnético.")},
        {{QStringLiteral("cbInterface2G")},
         QCoreApplication::translate(
             "ToolTips", "Valores válidos: Sim ou Não\n\rFunção: Habilitar a configuração dos parâmetros de "
                         "comunicação através de RF em 2.4GHz e protocolo Corvale. Quando habilitado deverá "
                         "ser\n\rconfigurado outros três campos: Terminal Número, Canal Base e Taxa de Transmissão.")},
        {{QStringLiteral("cbNumTerm")},
         QCoreApplication::translate(
             "ToolTips",
             "Valores válidos: 00 a 99\n\rFunção: Definir o número do terminal na comunicação com a  base de rádio.")},
        {{QStringLiteral("cbCanalBase")},
         QCoreApplication::translate("ToolTips",
                                     "Valores válidos: 00 a 99\n\rFunção: Definir o canal dentro da freqüência de "
                                     "comunicação.\n\rDeverá corresponder ao canal configurado na base de rádio.")},
        {{QStringLiteral("cbTaxa")},
         QCoreApplication::translate(
             "ToolTips",
             "Valores válidos: 250Kbit/s ou 1Mbit/s\n\rFunção: Definir a velocidade dos dados na comunicação.")},
        {{QStringLiteral("cbConexaoTCP")},
         QCoreApplication::translate(
             "ToolTips", "Valores válidos: Client, Server, System ou Nenhum\n\rFunção: Definir qual o comportamento da "
                         "conexão TCP.\n\rVIDE MANUAL")},
        {{QStringLiteral("rbClient")},
         QCoreApplication::translate("ToolTips", "Pede conexão ao IP e Porta configurados como remoto.")},
        {{QStringLiteral("rbServer")},
         QCoreApplication::translate("ToolTips", "Aguarda a conexão no IP e Porta configurados como local.")},
        {{QStringLiteral("rbSystem")},
         QCoreApplication::translate(
             "ToolTips",
             "Campo válido quando protocolo for Telnet. Ao estabelecer a conexão Telnet, o sistema efetuará "
             "a\n\rautenticação utilizando os parâmetros configurados em Login, Password e CNPJ.")},
        {{QStringLiteral("VLogin")},
         QCoreApplication::translate(
             "ToolTips",
             "Valores válidos: Campo digitado.Poderá ser qualquer string com no máximo 15 caracteres.\n\rFunção: "
             "Informar o login do usuário ao sistema. Quando o campo Conexão TCP estiver configurado como System e "
             "Protocolo estiver configurado como Telnet,\n\rao receber a string “login:”, após a conexão, o "
             "microterminal enviará para o servidor, o parâmetro configurado neste campo.")},
        {{QStringLiteral("VPassword")},
         QCoreApplication::translate(
             "ToolTips",
             "Valores válidos: Campo digitado. Poderá ser qualquer string com no máximo 15 caracteres.\n\rFunção: "
             "Informar o password do usuário ao sistema Quando o campo Conexão TCP estiver configurado como System e "
             "Protocolo estiver configurado como Telnet,\n\rao receber a string “password:”, após a conexão, o "
             "microterminal enviará para o servidor, o parâmetro configurado neste campo.")},
        {{QStringLiteral("VCNPJ")},
         QCoreApplication::translate(
             "ToolTips",
             "Valores válidos: Campo digitado. Poderão ser digitados somente números, com no máximo 15 "
             "dígitos.\n\rFunção: Informar o CNPJ da empresa ao sistema Quando o campo Conexão TCP estiver "
             "configurado como System e Protocolo estiver configurado como Telnet,\n\rao receber a string “cgc:”, "
             "após a conexão, o microterminal enviará para o servidor, o parâmetro configurado neste campo.")},
        {{QStringLiteral("edMac")},
         QCoreApplication::translate(
             "ToolTips", "Valores válidos: Programado em Fábrica\n\rFunção: Assinalar a placa seu endereço de "
                         "hardware. Este valor é programado na fábrica e não poderá ser modificado.\n\rO Acesso também "
                         "é protegido por senha, diferente da senha de configuração.")},
        {{QStringLiteral("VIpLocal")},
         QCoreApplication::translate("ToolTips", "Função: Determinar o endereço IP do terminal.\n\rVIDE MANUAL")},
        {{QStringLiteral("VPortaLocal")},
         QCoreApplication::translate(
             "ToolTips", "Função: Determinar o valor da porta local do terminal.\n\rSerá a porta que o terminal abrirá "
                         "para comunicar-se com a rede Ethernet.\n\rRecomenda-se utilizar valores de 1024 a 9999, pois "
                         "de 0 a 1023 são portas reservadas para alguns serviços como http, ftp, Telnet e outros.")},
        {{QStringLiteral("VIpRemoto")},
         QCoreApplication::translate(
             "ToolTips", "Função: Determina o IP remoto, este valor será o IP onde o terminal tentará "
                         "conectar\n\rquanto estiver no modo client, e servirá como ‘firewall’ quando o terminal "
                         "estiver operando como server,\n\rcaso o valor seja diferente de ‘0.0.0.0’.")},
        {{QStringLiteral("VPortaRemota")},
         QCoreApplication::translate(
             "ToolTips", "Função: Determina a Porta remota, este valor será a Porta onde o terminal tentará "
                         "conectar\n\rquanto estiver no modo client, e servirá como ‘firewall’ quando o terminal "
                         "estiver operando como server, caso o valor seja diferente de ‘0000’.")},
        {{QStringLiteral("VGateway")},
         QCoreApplication::translate(
             "ToolTips", "Função: Define o endereço de um Gateway, caso exista na rede. Se não houver um instalado, o "
                         "valor deverá ser configurado como ‘0.0.0.0’.\n\rTambém é necessário que os IPs Origem e "
                         "Destino estejam na mesma rede local e que esteja utilizando a máscara\n\radequada, por "
                         "exemplo, um computador com IP 1.1.1.1 não poderá conectar-se a um computador com IP 1.1.2.1, "
                         "se a máscara da rede for\n\r255.255.255.0, pois o valor da máscara é comparado com o "
                         "endereço IP, portanto embora conectados ao mesmo cabo eles não se comunicam.")},
        {{QStringLiteral("VSubnet")},
         QCoreApplication::translate(
             "ToolTips", "Função: Define o valor da mascara de sub-rede. Este determinará quais IPs estarão acessando "
                         "a mesma sub-rede.\n\rPor exemplo, a máscara 255.255.0.0 permite utilizar os dois últimos "
                         "octetos para controle dos IPs.")},
        {{QStringLiteral("edTimeOutR")},
         QCoreApplication::translate(
             "ToolTips",
             "Valores Padrão: 1000, 2000 e 4000\n\rFunção: Determinar o tempo inicial de espera de resposta para um "
             "pacote enviado na rede Ethernet.\n\rCom estes valores obtêm-se um tempo de 100 m/s, 200 m/s e 400 m/s "
             "respectivamente. Caso o valor seja ‘0000’, o timeout será definido internamente.")},
        {{QStringLiteral("edRetries")},
         QCoreApplication::translate(
             "ToolTips", "Função: Determinar o número de tentativas de reenvio de um pacote TCP na rede Ethernet.")},
        {{QStringLiteral("cbVelocidade")},
         QCoreApplication::translate(
             "ToolTips", "Valores válidos: Automático, 10 Mbit/s ou 100 Mbit/s.\n\rFunção: Determinar a velocidade de "
                         "conexão na rede. Quando definido como automático a interface de rede\n\rdeterminará a melhor "
                         "conexão a ser efetuada. Quando definido como 10 ou 100 a velocidade ficará fixada "
                         "independente da capacidade do outro\n\rlado de efetuar a conexão na mesma velocidade.")},
        {{QStringLiteral("cbHFDuplex")},
         QCoreApplication::translate(
             "ToolTips", "Valores válidos: Half ou Full.\n\rFunção: Determinar o tipo de fluxo de dados na conexão "
                         "Ethernet. Quando o parâmetro de velocidade for definido como ‘Automático’,\n\reste campo não "
                         "será pedido e também será tratado internamente.")},
        {{QStringLiteral("cbLeitorMifare")},
         QCoreApplication::translate(
             "ToolTips", "Valores válidos: Sim ou Não\n\rFunção: Habilitar o uso do leitor smart-card Mifare.")},
        {{QStringLiteral("HabCorvale"), QStringLiteral("HabVT100"), QStringLiteral("HabTelNet")},
         QCoreApplication::translate(
             "ToolTips", "Função: Definir o protocolo de comunicação do terminal. Quando a seleção for Telnet, após a "
                         "conexão o terminal passará a emular o protocolo VT-100, também quando a configuração\n\rfor "
                         "efetuada para emulação Telnet, deve-se configurar a Porta Remota como 0023.\n\rVIDE MANUAL")},
        {{QStringLiteral("cbImpDefault")},
         QCoreApplication::translate(
             "ToolTips", "Valores válidos: Serial ou Paralela\n\rFunção: Definir a interface de impressão padrão, "
                         "quando o protocolo de comunicação do Terminal HX2 estiver\n\rconfigurado em VT100. A "
                         "interface de impressão padrão é a saída de impressão definida quando, apenas o comando de "
                         "abertura de impressão é enviado\n\rpelo Software (comando ESC[5i). Caso o Software modifique "
                         "a saída de impressão (comando ESC[?24h ou ESC[?24l), esta saída passará a ser a nova saída "
                         "de impressão até o\n\rrecebimento de outro comando ou desligamento do equipamento.")},
        {{QStringLiteral("edConTelNet")},
         QCoreApplication::translate(
             "ToolTips",
             "Valores válidos: Campo digitado. Poderá ser digitada qualquer string com no máximo 15 "
             "caracteres.\n\rFunção: Determinar o nome da conexão Telnet. Este nome é o nome do tipo de Terminfo "
             "configurado no servidor para a operação do terminal.\n\rVer protocolo Vt-100 no manual.")},
        {{QStringLiteral("cbTeclaBackspace")},
         QCoreApplication::translate(
             "ToolTips", "Valores válidos: chr(8) ou chr(127).\n\rFunção: Determinar o valor de retorno da tecla "
                         "Backspace, quando configurado com protocolo VT100 ou Telnet.")},
        {{QStringLiteral("cbTeclaDel")},
         QCoreApplication::translate(
             "ToolTips", "Valores válidos: chr(27) ou chr(127)\n\rFunção: Determinar o valor de retorno da tecla Del, "
                         "quando configurado com protocolo VT100 ou Telnet.")},
        {{QStringLiteral("edDelay")},
         QCoreApplication::translate(
             "ToolTips", "Valores válidos: 00 a 99\n\rFunção: Número de décimos de segundos que a tela inicial de "
                         "espera para entrada na configuração será apresentada.")},
        {{QStringLiteral("cbTecladoTouch")},
         QCoreApplication::translate(
             "ToolTips", "Valores válidos: Sim ou Não\rFunção: Habilitar o uso da serial 0 como porta de entrada para "
                         "uma interface touch-screen.\rDeve-se habilitar a Serial 0 do Terminal com 9600, N, 8, 1 e "
                         "sem controle de fluxo.")},
        {{QStringLiteral("cbSincronismoVideo")},
         QCoreApplication::translate(
             "ToolTips", "Valores válidos: H-   V-, H+   V-, H-   V+ ou H+   V+\rFunção:Configurar os sinais de vídeo "
                         "de forma a imagem ficar o mais centralizada possível no monitor.\rPor default o valor é "
                         "H-V+, porém se com este valor a imagem não centralizar ( ao menos na vertical ),\rpode-se "
                         "utilizar este parâmetro antes de fazer modificações nos ajustes do próprio monitor.")},
        {{QStringLiteral("BtPedeStatus")}, QCoreApplication::translate("ToolTips", "Solicita ao Terminal o Status")},
        {{QStringLiteral("BtLer")},
         QCoreApplication::translate("ToolTips", "Realiza a leitura das configurações existentes no Terminal")},
        {{QStringLiteral("BtDesbloqueio")},
         QCoreApplication::translate("ToolTips", "Desbloqueia o Terminal permitindo gravar as alterações realizadas")},
        {{QStringLiteral("BtGravar")},
         QCoreApplication::translate("ToolTips", "Executa a gravação dos novos parâmetros")},
        {{QStringLiteral("BtDefault")},
         QCoreApplication::translate(
             "ToolTips", "Executa a leitura de um arquivo de inicialização contendo a configuração padrão da "
                         "empresa\rLocal do Arquivo INI: ")},
        {{QStringLiteral("BtReboot")},
         QCoreApplication::translate("ToolTips",
                                     "Reinicia o terminal para que os novos parâmetros entrem em funcionamento")},
    };
    for (ToolTipEntry& entry : entries) {
        if (entry.objectNames.contains(QLatin1String("BtDefault")))
            entry.text += settingsFilePath;
    }
    return entries;
}
