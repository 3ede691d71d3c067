<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
<context>
    <name>Checks</name>
    <message>
        <source>quatro números de 0 a 255 separados por pontos</source>
        <translation>four numbers from 0 to 255 separated by dots</translation>
    </message>
    <message>
        <source>uma máscara mais curta, como 255.255.255.0</source>
        <translation>a shorter mask, such as 255.255.255.0</translation>
    </message>
    <message>
        <source>um endereço de %1 a %2</source>
        <translation>an address from %1 to %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; deve ter só algarismos</source>
        <translation>&quot;%1&quot; must hold digits only</translation>
    </message>
    <message>
        <source>vazio; é preciso um endereço IPv4 (%1)</source>
        <translation>empty; an IPv4 address is needed (%1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é um endereço IPv4 (%2)</source>
        <translation>&quot;%1&quot; is not an IPv4 address (%2)</translation>
    </message>
    <message>
        <source>a máscara 0.0.0.0 não delimita rede alguma</source>
        <translation>the mask 0.0.0.0 delimits no network</translation>
    </message>
    <message>
        <source>a máscara %1 não é contígua (todos os bits 1 devem vir antes dos bits 0)</source>
        <translation>the mask %1 is not contiguous (every 1 bit must come before the 0 bits)</translation>
    </message>
    <message>
        <source>vazia; é preciso uma porta (um número de 0 a 65535)</source>
        <translation>empty; a port is needed (a number from 0 to 65535)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é uma porta (um número de 0 a 65535)</source>
        <translation>&quot;%1&quot; is not a port (a number from 0 to 65535)</translation>
    </message>
    <message>
        <source>escreva o CNPJ só com algarismos, sem pontos, barra ou traço</source>
        <translation>write the CNPJ with digits only, without dots, slash or dash</translation>
    </message>
    <message>
        <source>o CNPJ &quot;%1&quot; não tem 14 algarismos</source>
        <translation>the CNPJ &quot;%1&quot; does not have 14 digits</translation>
    </message>
    <message>
        <source>os dígitos verificadores do CNPJ %1 não conferem</source>
        <translation>the check digits of the CNPJ %1 do not match</translation>
    </message>
    <message>
        <source>confira o número; com estes 12 primeiros algarismos o CNPJ seria %1%2</source>
        <translation>check the number; with these first 12 digits the CNPJ would be %1%2</translation>
    </message>
    <message>
        <source>tem %1 caracteres; a dica aconselha no máximo %2</source>
        <translation>has %1 characters; the hint advises at most %2</translation>
    </message>
    <message>
        <source>o terminal só envia este valor com Conexão TCP &quot;System&quot; e protocolo &quot;TelNet&quot;</source>
        <translation>the terminal sends this value only with TCP Connection &quot;System&quot; and protocol &quot;TelNet&quot;</translation>
    </message>
    <message>
        <source>alterado com &quot;%1&quot; desmarcado: o terminal só usa este valor com &quot;%1&quot; marcado</source>
        <translation>changed with &quot;%1&quot; unchecked: the terminal uses this value only with &quot;%1&quot; checked</translation>
    </message>
    <message>
        <source>marque &quot;%1&quot; ou desfaça a alteração</source>
        <translation>check &quot;%1&quot; or undo the change</translation>
    </message>
    <message>
        <source>o IP Local não pode ser 0.0.0.0</source>
        <translation>the Local IP cannot be 0.0.0.0</translation>
    </message>
    <message>
        <source>%1 é o endereço da própria rede %2</source>
        <translation>%1 is the address of the network %2 itself</translation>
    </message>
    <message>
        <source>%1 é o endereço de broadcast da rede %2</source>
        <translation>%1 is the broadcast address of the network %2</translation>
    </message>
    <message>
        <source>o Gateway é o próprio IP Local (%1)</source>
        <translation>the Gateway is the Local IP itself (%1)</translation>
    </message>
    <message>
        <source>o endereço do roteador da rede, ou 0.0.0.0 sem roteador</source>
        <translation>the address of the network&apos;s router, or 0.0.0.0 without a router</translation>
    </message>
    <message>
        <source>o Gateway %1 está fora da rede do IP Local (%2)</source>
        <translation>the Gateway %1 is outside the Local IP&apos;s network (%2)</translation>
    </message>
    <message>
        <source>%1, ou 0.0.0.0 sem roteador</source>
        <translation>%1, or 0.0.0.0 without a router</translation>
    </message>
    <message>
        <source>com Conexão TCP &quot;Client&quot; o IP Remoto não pode ser 0.0.0.0</source>
        <translation>with TCP Connection &quot;Client&quot; the Remote IP cannot be 0.0.0.0</translation>
    </message>
    <message>
        <source>o endereço do servidor ao qual o terminal se conecta</source>
        <translation>the address of the server the terminal connects to</translation>
    </message>
    <message>
        <source>com Conexão TCP &quot;Client&quot; a Porta Remota não pode ser 0</source>
        <translation>with TCP Connection &quot;Client&quot; the Remote Port cannot be 0</translation>
    </message>
    <message>
        <source>a porta do servidor ao qual o terminal se conecta</source>
        <translation>the port of the server the terminal connects to</translation>
    </message>
    <message>
        <source>com Conexão TCP &quot;Server&quot; a Porta Local não pode ser 0</source>
        <translation>with TCP Connection &quot;Server&quot; the Local Port cannot be 0</translation>
    </message>
    <message>
        <source>a porta em que o terminal aceita conexões, de 1 a 65535</source>
        <translation>the port on which the terminal accepts connections, from 1 to 65535</translation>
    </message>
    <message>
        <source>; sugestão: </source>
        <translation>; suggestion: </translation>
    </message>
    <message>
        <source>o mesmo %1 %2 no mesmo %3 %4 com &quot;%5&quot; marcado: os terminais interferem no ar</source>
        <translation>the same %1 %2 on the same %3 %4 with &quot;%5&quot; checked: the terminals interfere over the air</translation>
    </message>
    <message>
        <source>o IP Local do primeiro (%1) é o Gateway do segundo</source>
        <translation>the Local IP of the first (%1) is the Gateway of the second</translation>
    </message>
    <message>
        <source>os IP Local estão em %1 redes diferentes: %2</source>
        <translation>the Local IPs are in %1 different networks: %2</translation>
    </message>
    <message>
        <source>erro</source>
        <translation>error</translation>
    </message>
    <message>
        <source>aviso</source>
        <translation>warning</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>aviso: esta pasta de cópias de segurança fica dentro da pasta de compilação %1, e apagar a compilação apaga também as cópias. Para guardá-las em outro lugar, use --backup-dir PASTA ou instale o pacote (as cópias vão então para ~/.config/hxconfig/Backups).</source>
        <translation>warning: this backup folder is inside the build folder %1, and deleting the build deletes the backups too. To keep them elsewhere, use --backup-dir FOLDER or install the package (the backups then go to ~/.config/hxconfig/Backups).</translation>
    </message>
    <message>
        <source>o limite de arquivos abertos permite %1 terminais ao mesmo tempo, não %2</source>
        <translation>the limit of open files allows %1 terminals at a time, not %2</translation>
    </message>
    <message>
        <source>%1: linha %2 (%3)</source>
        <translation>%1: line %2 (%3)</translation>
    </message>
    <message>
        <source>%1: endereço inválido (IPv4 ou host:porta)</source>
        <translation>%1: invalid address (IPv4 or host:port)</translation>
    </message>
    <message>
        <source>%1: falta a senha (coluna password, --password, --password-file ou HXCONFIG_PASSWORD)</source>
        <translation>%1: the password is missing (password column, --password, --password-file or HXCONFIG_PASSWORD)</translation>
    </message>
    <message>
        <source>frota recusada: %1; nenhum terminal foi contatado</source>
        <translation>fleet refused: %1; no terminal was contacted</translation>
    </message>
    <message>
        <source>problema</source>
        <translation>problem</translation>
    </message>
    <message>
        <source>problemas</source>
        <translation>problems</translation>
    </message>
    <message>
        <source>endereços</source>
        <translation>addresses</translation>
    </message>
    <message>
        <source>encontrados</source>
        <translation>found</translation>
    </message>
    <message>
        <source>terminais</source>
        <translation>terminals</translation>
    </message>
    <message>
        <source>falhas</source>
        <translation>failures</translation>
    </message>
    <message>
        <source>aviso: %1</source>
        <translation>warning: %1</translation>
    </message>
    <message>
        <source> (--force grava mesmo assim)</source>
        <translation> (--force writes anyway)</translation>
    </message>
    <message>
        <source>frota recusada: %1; nenhum terminal foi contatado%2</source>
        <translation>fleet refused: %1; no terminal was contacted%2</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4, %5, em %6 s</source>
        <translation>%1: %2, %3, %4, %5, in %6 s</translation>
    </message>
    <message>
        <source>alterado</source>
        <translation>changed</translation>
    </message>
    <message>
        <source>alterados</source>
        <translation>changed</translation>
    </message>
    <message>
        <source>inalterado</source>
        <translation>unchanged</translation>
    </message>
    <message>
        <source>inalterados</source>
        <translation>unchanged</translation>
    </message>
    <message>
        <source>simulado</source>
        <translation>simulated</translation>
    </message>
    <message>
        <source>simulados</source>
        <translation>simulated</translation>
    </message>
    <message>
        <source>falhou</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>falharam</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>nenhum problema</source>
        <translation>no problem</translation>
    </message>
    <message>
        <source>%1 erro(s), %2 aviso(s)</source>
        <translation>%1 error(s), %2 warning(s)</translation>
    </message>
    <message>
        <source>%1: é um perfil (seções da empresa, sem a seção [Imagem] de um arquivo lido com read), não um arquivo de configuração: para ver o que ele mudaria num terminal, use hxconfig-cli apply ENDEREÇO %1 --dry-run</source>
        <translation>%1: is a profile (the company&apos;s sections, without the [Imagem] section of a file read with read), not a configuration file: to see what it would change on a terminal, use hxconfig-cli apply ADDRESS %1 --dry-run</translation>
    </message>
    <message>
        <source>Atenção: em %1 as chaves do arquivo diferem da seção [Imagem]; os valores mostrados são os da imagem. restore recusa o arquivo sem --image (vale a imagem) ou --keys (valem as chaves).
</source>
        <translation>Attention: in %1 the file&apos;s keys differ from the [Imagem] section; the values shown are the image&apos;s. restore refuses the file without --image (the image counts) or --keys (the keys count).
</translation>
    </message>
    <message>
        <source>campo</source>
        <translation>field</translation>
    </message>
    <message>
        <source>campos</source>
        <translation>fields</translation>
    </message>
    <message>
        <source>%1: configuração de %2 salva em %3
</source>
        <translation>%1: configuration of %2 saved in %3
</translation>
    </message>
    <message>
        <source>Terminal
  MAC: %1
</source>
        <translation>Terminal
  MAC: %1
</translation>
    </message>
    <message>
        <source>  Lido em: %1
</source>
        <translation>  Read at: %1
</translation>
    </message>
    <message>
        <source>  Endereço: %1
</source>
        <translation>  Address: %1
</translation>
    </message>
    <message>
        <source>  &lt;- a chave no arquivo diz %1</source>
        <translation>  &lt;- the key in the file says %1</translation>
    </message>
    <message>
        <source>; sugestão: </source>
        <translation>; suggestion: </translation>
    </message>
    <message>
        <source>as chaves do arquivo diferem da seção [Imagem] em %1: %2; diga qual parte vale: --image (a imagem, byte a byte) ou --keys (as chaves aplicadas sobre a imagem, como apply)</source>
        <translation>the file&apos;s keys differ from the [Imagem] section in %1: %2; say which part counts: --image (the image, byte for byte) or --keys (the keys applied over the image, like apply)</translation>
    </message>
    <message>
        <source>não é um arquivo</source>
        <translation>not a file</translation>
    </message>
    <message>
        <source>%1: não foi possível ler o arquivo de logotipo: %2 (o arquivo tem 40 linhas de seis pares hexadecimais, como 00,1F,A0,FF,00,00)</source>
        <translation>%1: could not read the logo file: %2 (the file has 40 lines of six hexadecimal pairs, such as 00,1F,A0,FF,00,00)</translation>
    </message>
    <message>
        <source>%1: logotipo enviado
</source>
        <translation>%1: logo sent
</translation>
    </message>
    <message>
        <source>nenhuma cópia de segurança de %1 em %2</source>
        <translation>no backup of %1 in %2</translation>
    </message>
    <message>
        <source>  lido em %1</source>
        <translation>  read at %1</translation>
    </message>
    <message>
        <source> de %1</source>
        <translation> from %1</translation>
    </message>
    <message>
        <source>  a primeira cópia
</source>
        <translation>  the first backup
</translation>
    </message>
    <message>
        <source>  nenhum campo mudou
</source>
        <translation>  no field changed
</translation>
    </message>
    <message>
        <source>ENDEREÇO</source>
        <translation>ADDRESS</translation>
    </message>
    <message>
        <source>IPv4 do terminal (porta 23) ou host:porta</source>
        <translation>the terminal&apos;s IPv4 (port 23) or host:port</translation>
    </message>
    <message>
        <source>pede o status: &quot;pronto&quot; ou &quot;não pronto&quot;</source>
        <translation>asks for the status: &quot;ready&quot; or &quot;not ready&quot;</translation>
    </message>
    <message>
        <source>Pede o status do terminal e escreve &quot;pronto&quot; ou &quot;não pronto&quot; (saída 4).</source>
        <translation>Asks for the terminal&apos;s status and writes &quot;ready&quot; or &quot;not ready&quot; (exit 4).</translation>
    </message>
    <message>
        <source>result: ready, not ready (exit 4) ou failed.</source>
        <translation>result: ready, not ready (exit 4) or failed.</translation>
    </message>
    <message>
        <source>lê a configuração e escreve o arquivo de configuração</source>
        <translation>reads the configuration and writes the configuration file</translation>
    </message>
    <message>
        <source>Lê a configuração do terminal e escreve o arquivo de configuração (Windows-1252, CR LF) em ARQUIVO,
só legível pelo dono, ou na saída padrão (sem -o ou com -o -).</source>
        <translation>Reads the terminal&apos;s configuration and writes the configuration file (Windows-1252, CR LF) to FILE,
readable by its owner only, or to standard output (without -o or with -o -).</translation>
    </message>
    <message>
        <source>result: read ou failed. Com -o ARQUIVO: mac, file. Sem -o: a configuração, mac, read_at (ISO 8601), values
(cada Secao.Chave do arquivo de configuração com seu valor) e image (os 260 bytes em hexadecimal).</source>
        <translation>result: read or failed. With -o FILE: mac, file. Without -o: the configuration, mac, read_at (ISO 8601), values
(each Secao.Chave of the configuration file with its value) and image (the 260 bytes in hexadecimal).</translation>
    </message>
    <message>
        <source>mostra um arquivo de configuração, um campo por linha</source>
        <translation>shows a configuration file, one field per line</translation>
    </message>
    <message>
        <source>Mostra a configuração de um arquivo, legível, um campo por linha, agrupada por página, com a
seção e a chave que define cada campo (a que --set aceita, com o valor como mostrado). Um campo cuja
chave no arquivo diz outra coisa que a seção [Imagem] é marcado.</source>
        <translation>Shows a file&apos;s configuration, readable, one field per line, grouped by page, with the
section and key that set each field (the one --set accepts, with the value as shown). A field whose
key in the file says something else than the [Imagem] section is marked.</translation>
    </message>
    <message>
        <source>ARQUIVO</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>arquivo de configuração (lido com &quot;read&quot; ou salvo como cópia de segurança)</source>
        <translation>configuration file (read with &quot;read&quot; or saved as a backup)</translation>
    </message>
    <message>
        <source>compara duas configurações (arquivos ou endereços)</source>
        <translation>compares two configurations (files or addresses)</translation>
    </message>
    <message>
        <source>Mostra as diferenças entre A e B campo a campo. A e B são arquivos de configuração ou endereços
(um endereço é lido). Sai com 0 quando são iguais e 1 quando diferem, como diff. Um arquivo cujas
chaves diferem da sua seção [Imagem] nunca é igual: cada campo assim é listado.</source>
        <translation>Shows the differences between A and B field by field. A and B are configuration files or addresses
(an address is read). Exits with 0 when they are equal and 1 when they differ, like diff. A file whose
keys differ from its [Imagem] section is never equal: each such field is listed.</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>arquivo de configuração ou endereço</source>
        <translation>configuration file or address</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Uma linha. result: equal, different (exit 1) ou failed; a, b, changes (section, key, page, caption,
from, to). address é o terminal cuja leitura falhou; vazio quando nenhum falhou.</source>
        <translation>One line. result: equal, different (exit 1) or failed; a, b, changes (section, key, page, caption,
from, to). address is the terminal whose read failed; empty when none failed.</translation>
    </message>
    <message>
        <source>confere uma configuração (arquivo ou endereço) e lista os problemas</source>
        <translation>checks a configuration (file or address) and lists the problems</translation>
    </message>
    <message>
        <source>Confere a configuração de um arquivo de configuração ou de um terminal (um endereço é lido) e lista
cada problema com a página, o campo, [Secao.Chave], a gravidade (erro ou aviso), a mensagem e uma
sugestão. Sai com 0 sem erros (os avisos são mostrados) e com 7 quando há erros.</source>
        <translation>Checks the configuration of a configuration file or of a terminal (an address is read) and lists
each problem with the page, the field, [Secao.Chave], the severity (error or warning), the message and a
suggestion. Exits with 0 without errors (warnings are shown) and with 7 when there are errors.</translation>
    </message>
    <message>
        <source>ARQUIVO|ENDEREÇO</source>
        <translation>FILE|ADDRESS</translation>
    </message>
    <message>
        <source>arquivo de configuração ou endereço do terminal</source>
        <translation>configuration file or the terminal&apos;s address</translation>
    </message>
    <message>
        <source>Uma linha. result: ok, warnings, errors (exit 7) ou failed; file (para um arquivo), problems (section,
key, page, caption, severity: error ou warning, message, suggestion).</source>
        <translation>One line. result: ok, warnings, errors (exit 7) or failed; file (for a file), problems (section,
key, page, caption, severity: error or warning, message, suggestion).</translation>
    </message>
    <message>
        <source>aplica um perfil e grava só quando algo muda</source>
        <translation>applies a profile and writes only when something changes</translation>
    </message>
    <message>
        <source>Lê o terminal, aplica o perfil (as cinco seções da empresa de um ConfDefault.ini ou de um arquivo de
configuração, e os valores de --set depois dele) e grava só quando algo mudou: antes, salva uma
cópia de segurança; depois, lê de novo para verificar e reinicia o terminal. Uma configuração
resultante com erros (veja check) é recusada antes de qualquer envio (saída 7), a não ser com --force.</source>
        <translation>Reads the terminal, applies the profile (the company&apos;s five sections of a ConfDefault.ini or of a
configuration file, and the values of --set after it) and writes only when something changed: before,
it saves a backup; after, it reads again to verify and reboots the terminal. A resulting
configuration with errors (see check) is refused before anything is sent (exit 7), unless with --force.</translation>
    </message>
    <message>
        <source>PERFIL</source>
        <translation>PROFILE</translation>
    </message>
    <message>
        <source>arquivo INI com as seções Rede, Conexao, Protocolo, Gerais, Seriais</source>
        <translation>INI file with the sections Rede, Conexao, Protocolo, Gerais, Seriais</translation>
    </message>
    <message>
        <source>result: changed, unchanged, dry-run ou failed; changes (section, key, page, caption, from, to), backup
(o caminho da cópia de segurança), verified (true ou false).</source>
        <translation>result: changed, unchanged, dry-run or failed; changes (section, key, page, caption, from, to), backup
(the backup&apos;s path), verified (true or false).</translation>
    </message>
    <message>
        <source>grava de volta a imagem de um arquivo de configuração</source>
        <translation>writes a configuration file&apos;s image back</translation>
    </message>
    <message>
        <source>Grava a imagem de um arquivo de configuração de volta no terminal, byte a byte, quando o MAC do
arquivo é o do terminal. Um arquivo de outro terminal é recusado (saída 7), a não ser com --clone:
então só os campos editáveis vêm do arquivo, o terminal guarda seu MAC, seus bytes reservados e
sua senha, e é preciso --set Conexao.IPLocal=... ou --keep-ip. Quando as chaves das cinco seções
do arquivo diferem da seção [Imagem] (uma chave editada à mão), restore recusa (saída 7) e nomeia os
campos, a não ser que --image ou --keys diga qual das duas partes vale. Uma configuração com erros
(veja check) é recusada antes de qualquer envio (saída 7), a não ser com --force.</source>
        <translation>Writes a configuration file&apos;s image back to the terminal, byte for byte, when the file&apos;s MAC is the
terminal&apos;s. Another terminal&apos;s file is refused (exit 7), unless with --clone: then only the
editable fields come from the file, the terminal keeps its MAC, its reserved bytes and its
password, and --set Conexao.IPLocal=... or --keep-ip is needed. When the keys of the file&apos;s five
sections differ from the [Imagem] section (a key edited by hand), restore refuses (exit 7) and names the
fields, unless --image or --keys says which of the two parts counts. A configuration with errors
(see check) is refused before anything is sent (exit 7), unless with --force.</translation>
    </message>
    <message>
        <source>arquivo de configuração</source>
        <translation>configuration file</translation>
    </message>
    <message>
        <source>lê o terminal e envia um logotipo</source>
        <translation>reads the terminal and sends a logo</translation>
    </message>
    <message>
        <source>Lê o terminal e envia o logotipo do arquivo (40 linhas de seis pares hexadecimais) no quadro de
logotipo. O terminal não responde a esse quadro.</source>
        <translation>Reads the terminal and sends the file&apos;s logo (40 lines of six hexadecimal pairs) in the logo
frame. The terminal does not answer that frame.</translation>
    </message>
    <message>
        <source>LOGOTIPO</source>
        <translation>LOGO</translation>
    </message>
    <message>
        <source>arquivo de logotipo (texto)</source>
        <translation>logo file (text)</translation>
    </message>
    <message>
        <source>result: sent ou failed.</source>
        <translation>result: sent or failed.</translation>
    </message>
    <message>
        <source>aplica um perfil a uma frota de terminais ao mesmo tempo</source>
        <translation>applies a profile to a fleet of terminals at the same time</translation>
    </message>
    <message>
        <source>Faz o que apply faz em cada terminal do arquivo de frota, --parallel terminais ao mesmo tempo, cada
um com sua cópia de segurança, verificação e resultado; a falha de um não muda os outros. Antes de
conectar, confere a frota inteira (valores que nomeiam itens, endereços repetidos, o mesmo IP
Local para dois terminais, senhas, os erros da configuração e da frota, veja check) e recusa toda
ela com a lista dos problemas (saída 7; --force grava apesar dos erros de configuração). Os
valores da linha valem sobre o perfil e --set. No fim, uma tabela (endereço, resultado, alterações,
cópia de segurança, erro); saída 8 quando algum terminal falhou. O relatório (--report) e --json usam
as palavras fixas: address, result, changes, backup, error; changed, unchanged, dry-run, failed.</source>
        <translation>Does what apply does on each terminal of the fleet file, --parallel terminals at a time, each
with its own backup, verification and result; the failure of one does not change the others. Before
connecting, it checks the whole fleet (values that name items, repeated addresses, the same Local
IP for two terminals, passwords, the errors of the configuration and of the fleet, see check) and refuses
all of it with the list of problems (exit 7; --force writes despite configuration errors). The
row&apos;s values count over the profile and --set. At the end, a table (address, result, changes,
backup, error); exit 8 when some terminal failed. The report (--report) and --json use
the fixed words: address, result, changes, backup, error; changed, unchanged, dry-run, failed.</translation>
    </message>
    <message>
        <source>FROTA</source>
        <translation>FLEET</translation>
    </message>
    <message>
        <source>arquivo CSV: address (ou endereco), password (ou senha), new_password (ou nova_senha),
              Secao.Chave; separado por , ou ;</source>
        <translation>CSV file: address (or endereco), password (or senha), new_password (or nova_senha),
              Secao.Chave; separated by , or ;</translation>
    </message>
    <message>
        <source>arquivo INI com as seções da empresa (opcional)</source>
        <translation>INI file with the company&apos;s sections (optional)</translation>
    </message>
    <message>
        <source>Uma linha por terminal, na ordem do arquivo de frota, com as chaves de apply. Uma frota recusada ou um
arquivo ilegível: uma só linha com address vazio e result refused (com problems, a lista) ou failed.</source>
        <translation>One line per terminal, in the fleet file&apos;s order, with apply&apos;s keys. A refused fleet or an
unreadable file: a single line with an empty address and result refused (with problems, the list) or failed.</translation>
    </message>
    <message>
        <source>procura terminais numa faixa de endereços</source>
        <translation>looks for terminals in a range of addresses</translation>
    </message>
    <message>
        <source>Conecta a cada endereço da faixa na porta (--port) e pede o status, --parallel endereços ao mesmo
tempo, cada um com o tempo de --timeout. Escreve os endereços que responderam, &quot;pronto&quot; ou &quot;não
pronto&quot;, em ordem de endereço; --csv salva-os como arquivo de frota para batch.</source>
        <translation>Connects to each address of the range on the port (--port) and asks for the status, --parallel addresses at
a time, each with the time of --timeout. Writes the addresses that answered, &quot;ready&quot; or &quot;not
ready&quot;, in address order; --csv saves them as a fleet file for batch.</translation>
    </message>
    <message>
        <source>FAIXA</source>
        <translation>RANGE</translation>
    </message>
    <message>
        <source>a.b.c.d/nn (de /16 a /32) ou a.b.c.d-e.f.g.h</source>
        <translation>a.b.c.d/nn (from /16 to /32) or a.b.c.d-e.f.g.h</translation>
    </message>
    <message>
        <source>Uma linha por terminal encontrado. result: ready ou not ready (exit 4).</source>
        <translation>One line per terminal found. result: ready or not ready (exit 4).</translation>
    </message>
    <message>
        <source>guarda a configuração de uma frota quando ela mudou</source>
        <translation>keeps a fleet&apos;s configuration when it changed</translation>
    </message>
    <message>
        <source>Lê cada terminal dos alvos, --parallel terminais ao mesmo tempo, e salva sua configuração na pasta
de cópias de segurança só quando ela difere da cópia mais recente do mesmo MAC: uma execução por
noite guarda as mudanças, não uma cópia por noite. Um alvo é um arquivo de frota (como em batch;
a coluna password vale), uma faixa (como em scan, na porta --port; só os endereços que respondem
são lidos) ou um endereço. Cada terminal termina new (o arquivo novo), unchanged (a cópia mais
recente, igual) ou failed (por quê). No fim, uma tabela (address, result, mac, file, error); saída 8
quando algum terminal falhou.</source>
        <translation>Reads each terminal of the targets, --parallel terminals at a time, and saves its configuration in the
backup folder only when it differs from the latest backup of the same MAC: one run per
night keeps the changes, not one copy per night. A target is a fleet file (as in batch;
the password column counts), a range (as in scan, on the port --port; only the addresses that answer
are read) or an address. Each terminal ends new (the new file), unchanged (the latest
backup, equal) or failed (why). At the end, a table (address, result, mac, file, error); exit 8
when some terminal failed.</translation>
    </message>
    <message>
        <source>ALVO</source>
        <translation>TARGET</translation>
    </message>
    <message>
        <source>arquivo de frota, faixa a.b.c.d/nn ou a.b.c.d-e.f.g.h, ou endereço</source>
        <translation>fleet file, range a.b.c.d/nn or a.b.c.d-e.f.g.h, or address</translation>
    </message>
    <message>
        <source>Uma linha por terminal. result: new, unchanged ou failed; mac, file (o arquivo novo ou, em unchanged,
o mais recente).</source>
        <translation>One line per terminal. result: new, unchanged or failed; mac, file (the new file or, with unchanged,
the latest).</translation>
    </message>
    <message>
        <source>mostra as cópias de segurança de um terminal e o que mudou</source>
        <translation>shows a terminal&apos;s backups and what changed</translation>
    </message>
    <message>
        <source>Lista as cópias de segurança do terminal na pasta, da mais antiga à mais recente, cada uma com os
campos que mudaram desde a anterior, como diff os mostra.</source>
        <translation>Lists the terminal&apos;s backups in the folder, from the oldest to the latest, each with the
fields that changed since the one before, as diff shows them.</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>o MAC do terminal: 0050C2000001 ou 00:50:C2:00:00:01</source>
        <translation>the terminal&apos;s MAC: 0050C2000001 or 00:50:C2:00:00:01</translation>
    </message>
    <message>
        <source>Uma linha por cópia, da mais antiga à mais recente; address é o endereço de onde foi lida. result:
first (a primeira), changed, same (nenhum campo mudou) ou failed (arquivo ilegível, exit 6); mac,
file, previous (a cópia anterior), read_at (ISO 8601), changes (section, key, page, caption, from,
to).</source>
        <translation>One line per backup, from the oldest to the latest; address is the address it was read from. result:
first (the first), changed, same (no field changed) or failed (unreadable file, exit 6); mac,
file, previous (the backup before), read_at (ISO 8601), changes (section, key, page, caption, from,
to).</translation>
    </message>
    <message>
        <source>Códigos de saída:
  0  sucesso (alterado ou inalterado; no diff, iguais)
  1  diff encontrou diferenças
  2  uso incorreto da linha de comando
  3  sem conexão (recusada, tempo esgotado, fechada antes da resposta)
  4  recusado pelo terminal (não pronto, senha errada, desbloqueio ou reinício recusado)
  5  verificação falhou (o terminal guarda outra coisa; a cópia de segurança é indicada)
  6  problema de arquivo (ilegível ou malformado, com a linha)
  7  recusado antes de gravar (valor que não nomeia item, campo de texto vazio, nova senha sem 6 caracteres,
     arquivo de outro terminal sem --clone, chaves que diferem da imagem sem --image ou --keys,
     frota com problemas, configuração com erros sem --force;
     no check, a configuração tem erros)
  8  batch ou backup: algum terminal falhou (a tabela e o relatório dizem qual e por quê)
</source>
        <translation>Exit codes:
  0  success (changed or unchanged; for diff, equal)
  1  diff found differences
  2  wrong use of the command line
  3  no connection (refused, timed out, closed before the answer)
  4  refused by the terminal (not ready, wrong password, unlock or reboot refused)
  5  verification failed (the terminal holds something else; the backup is named)
  6  file problem (unreadable or malformed, with the line)
  7  refused before writing (a value that names no item, an empty text field, a new password without 6 characters,
     another terminal&apos;s file without --clone, keys that differ from the image without --image or --keys,
     a fleet with problems, a configuration with errors without --force;
     for check, the configuration has errors)
  8  batch or backup: some terminal failed (the table and the report say which and why)
</translation>
    </message>
    <message>
        <source>Senha atual do terminal (1 a 6 caracteres). Aparece na lista de processos (ps): prefira --password-file ou HXCONFIG_PASSWORD.</source>
        <translation>The terminal&apos;s current password (1 to 6 characters). It shows in the process list (ps): prefer --password-file or HXCONFIG_PASSWORD.</translation>
    </message>
    <message>
        <source>Lê a senha da primeira linha do arquivo.</source>
        <translation>Reads the password from the file&apos;s first line.</translation>
    </message>
    <message>
        <source>Tempo máximo para conectar e para cada resposta (padrão 3000).</source>
        <translation>Longest wait to connect and for each answer (default 3000).</translation>
    </message>
    <message>
        <source>JSON Lines na saída padrão: um objeto JSON por terminal, um por linha, no sucesso e na falha (veja Saída JSON).</source>
        <translation>JSON Lines on standard output: one JSON object per terminal, one per line, on success and on failure (see JSON output).</translation>
    </message>
    <message>
        <source>Nada na saída padrão; erros continuam na saída de erro.</source>
        <translation>Nothing on standard output; errors still go to standard error.</translation>
    </message>
    <message>
        <source>Arquivo a escrever; - é a saída padrão.</source>
        <translation>File to write; - is standard output.</translation>
    </message>
    <message>
        <source>Nova senha do terminal, exatamente 6 caracteres (gravada com a configuração). Aparece na lista de processos (ps): prefira --new-password-file ou HXCONFIG_NEW_PASSWORD.</source>
        <translation>The terminal&apos;s new password, exactly 6 characters (written with the configuration). It shows in the process list (ps): prefer --new-password-file or HXCONFIG_NEW_PASSWORD.</translation>
    </message>
    <message>
        <source>Lê a nova senha da primeira linha do arquivo.</source>
        <translation>Reads the new password from the file&apos;s first line.</translation>
    </message>
    <message>
        <source>Lê e mostra as diferenças; não envia nada que mude o terminal.</source>
        <translation>Reads and shows the differences; sends nothing that changes the terminal.</translation>
    </message>
    <message>
        <source>Não reinicia o terminal depois de gravar.</source>
        <translation>Does not reboot the terminal after writing.</translation>
    </message>
    <message>
        <source>Não lê de novo para verificar o que foi gravado.</source>
        <translation>Does not read again to verify what was written.</translation>
    </message>
    <message>
        <source>Pasta das cópias de segurança (padrão: Backups ao lado do ConfDefault.ini).</source>
        <translation>Folder of the backups (default: Backups beside ConfDefault.ini).</translation>
    </message>
    <message>
        <source>PASTA</source>
        <translation>FOLDER</translation>
    </message>
    <message>
        <source>Acrescenta ao arquivo o registro de 16 linhas do que foi gravado, como &quot;Log Conf.&quot;; um arquivo novo é criado só legível pelo dono (600).</source>
        <translation>Appends to the file the 16-line record of what was written, like &quot;Conf. Log&quot;; a new file is created readable by its owner only (600).</translation>
    </message>
    <message>
        <source>Define um valor depois do perfil, por exemplo Conexao.IPLocal=10.0.0.5 ou Conexao.Tipo=Client (pode repetir). Vale como show o mostra, ou é recusado com os valores aceitos.</source>
        <translation>Sets a value after the profile, for example Conexao.IPLocal=10.0.0.5 or Conexao.Tipo=Client (may repeat). It counts as show shows it, or is refused with the accepted values.</translation>
    </message>
    <message>
        <source>Grava mesmo quando a configuração resultante tem erros (veja check).</source>
        <translation>Writes even when the resulting configuration has errors (see check).</translation>
    </message>
    <message>
        <source>Aceita um arquivo de outro terminal: copia só os campos editáveis.</source>
        <translation>Accepts another terminal&apos;s file: copies only the editable fields.</translation>
    </message>
    <message>
        <source>Com --clone: o terminal mantém seu próprio IP local.</source>
        <translation>With --clone: the terminal keeps its own local IP.</translation>
    </message>
    <message>
        <source>Quando as chaves do arquivo diferem da seção [Imagem]: grava a imagem, byte a byte, e ignora as chaves.</source>
        <translation>When the file&apos;s keys differ from the [Imagem] section: writes the image, byte for byte, and ignores the keys.</translation>
    </message>
    <message>
        <source>Quando as chaves do arquivo diferem da seção [Imagem]: aplica as chaves sobre a imagem com as regras de apply.</source>
        <translation>When the file&apos;s keys differ from the [Imagem] section: applies the keys over the image with apply&apos;s rules.</translation>
    </message>
    <message>
        <source>Terminais ao mesmo tempo (padrão 32).</source>
        <translation>Terminals at a time (default 32).</translation>
    </message>
    <message>
        <source>Endereços ao mesmo tempo (padrão 64).</source>
        <translation>Addresses at a time (default 64).</translation>
    </message>
    <message>
        <source>Salva a tabela do fim em ARQUIVO: CSV, ou JSON quando o nome termina em .json.</source>
        <translation>Saves the final table to FILE: CSV, or JSON when the name ends in .json.</translation>
    </message>
    <message>
        <source>Porta dos terminais (padrão 23).</source>
        <translation>The terminals&apos; port (default 23).</translation>
    </message>
    <message>
        <source>Salva os endereços encontrados como arquivo de frota (coluna address).</source>
        <translation>Saves the addresses found as a fleet file (address column).</translation>
    </message>
    <message>
        <source>Uso: hxconfig-cli %1 [opções] %2

%3

Argumentos:
</source>
        <translation>Usage: hxconfig-cli %1 [options] %2

%3

Arguments:
</translation>
    </message>
    <message>
        <source>
Opções:
</source>
        <translation>
Options:
</translation>
    </message>
    <message>
        <source>
Saída JSON (--json): cada linha começa com address, result, error (vazio, salvo em failed e refused)
e exit (o código de saída desse terminal), nessa ordem; depois as chaves do comando.
%1
</source>
        <translation>
JSON output (--json): each line starts with address, result, error (empty, except with failed and refused)
and exit (that terminal&apos;s exit code), in this order; then the command&apos;s keys.
%1
</translation>
    </message>
    <message>
        <source>
A senha de cada terminal vem da coluna password do arquivo de frota; onde a célula está vazia,
de --password, de --password-file ou da variável de ambiente HXCONFIG_PASSWORD.
</source>
        <translation>
Each terminal&apos;s password comes from the fleet file&apos;s password column; where the cell is empty,
from --password, from --password-file or from the environment variable HXCONFIG_PASSWORD.
</translation>
    </message>
    <message>
        <source>
A senha vem de --password, de --password-file ou da variável de ambiente HXCONFIG_PASSWORD.
</source>
        <translation>
The password comes from --password, from --password-file or from the environment variable HXCONFIG_PASSWORD.
</translation>
    </message>
    <message>
        <source>A nova senha vem de --new-password, de --new-password-file ou da variável de ambiente HXCONFIG_NEW_PASSWORD.
</source>
        <translation>The new password comes from --new-password, from --new-password-file or from the environment variable HXCONFIG_NEW_PASSWORD.
</translation>
    </message>
    <message>
        <source>Uso: hxconfig-cli COMANDO [opções] ARGUMENTOS
     hxconfig-cli COMANDO --help

Lê, compara, aplica, verifica e restaura a configuração de microterminais pela rede.

Comandos:
</source>
        <translation>Usage: hxconfig-cli COMMAND [options] ARGUMENTS
       hxconfig-cli COMMAND --help

Reads, compares, applies, verifies and restores the configuration of microterminals over the
network.

Commands:
</translation>
    </message>
    <message>
        <source>%1: não é um arquivo de texto</source>
        <translation>%1: not a text file</translation>
    </message>
    <message>
        <source>alvo inválido: %1 (não é arquivo de frota, faixa a.b.c.d/nn ou a.b.c.d-e.f.g.h, nem endereço)</source>
        <translation>invalid target: %1 (not a fleet file, a range a.b.c.d/nn or a.b.c.d-e.f.g.h, nor an address)</translation>
    </message>
    <message>
        <source>falta o comando (hxconfig-cli --help lista os comandos)</source>
        <translation>the command is missing (hxconfig-cli --help lists the commands)</translation>
    </message>
    <message>
        <source>comando desconhecido: %1 (hxconfig-cli --help lista os comandos)</source>
        <translation>unknown command: %1 (hxconfig-cli --help lists the commands)</translation>
    </message>
    <message>
        <source>%1 espera %2 (hxconfig-cli %1 --help)</source>
        <translation>%1 expects %2 (hxconfig-cli %1 --help)</translation>
    </message>
    <message>
        <source>endereço inválido: %1 (IPv4 ou host:porta)</source>
        <translation>invalid address: %1 (IPv4 or host:port)</translation>
    </message>
    <message>
        <source>--timeout espera milissegundos de 1 a 600000, não %1</source>
        <translation>--timeout expects milliseconds from 1 to 600000, not %1</translation>
    </message>
    <message>
        <source>--parallel espera um número de 1 a 10000, não %1</source>
        <translation>--parallel expects a number from 1 to 10000, not %1</translation>
    </message>
    <message>
        <source>--port espera um número de 1 a 65535, não %1</source>
        <translation>--port expects a number from 1 to 65535, not %1</translation>
    </message>
    <message>
        <source>--image e --keys se excluem: diga qual parte do arquivo vale</source>
        <translation>--image and --keys exclude each other: say which part of the file counts</translation>
    </message>
    <message>
        <source>--set espera Secao.Chave=Valor, não %1</source>
        <translation>--set expects Secao.Chave=Valor, not %1</translation>
    </message>
    <message>
        <source>--set: chave desconhecida %1.%2 (hxconfig-cli show lista as chaves)</source>
        <translation>--set: unknown key %1.%2 (hxconfig-cli show lists the keys)</translation>
    </message>
    <message>
        <source>--keep-ip só vale com --clone</source>
        <translation>--keep-ip only counts with --clone</translation>
    </message>
    <message>
        <source>--clone pede --set Conexao.IPLocal=... ou --keep-ip: dois terminais não podem ter o mesmo IP</source>
        <translation>--clone needs --set Conexao.IPLocal=... or --keep-ip: two terminals cannot have the same IP</translation>
    </message>
    <message>
        <source>%1: falta a senha (--password, --password-file ou HXCONFIG_PASSWORD)</source>
        <translation>%1: the password is missing (--password, --password-file or HXCONFIG_PASSWORD)</translation>
    </message>
    <message>
        <source>já estava no terminal</source>
        <translation>was already on the terminal</translation>
    </message>
    <message>
        <source>novo</source>
        <translation>new</translation>
    </message>
    <message>
        <source>a configuração a gravar tem %1 erro(s); nada foi enviado (--force grava mesmo assim)</source>
        <translation>the configuration to write has %1 error(s); nothing was sent (--force writes anyway)</translation>
    </message>
    <message>
        <source>%1: alterado</source>
        <translation>%1: changed</translation>
    </message>
    <message>
        <source>%1: inalterado
</source>
        <translation>%1: unchanged
</translation>
    </message>
    <message>
        <source>%1: simulação, nada foi enviado; %2
</source>
        <translation>%1: dry run, nothing was sent; %2
</translation>
    </message>
    <message>
        <source>1 campo mudaria</source>
        <translation>1 field would change</translation>
    </message>
    <message>
        <source>%1 campos mudariam</source>
        <translation>%1 fields would change</translation>
    </message>
    <message>
        <source>%1: alterado, %2
</source>
        <translation>%1: changed, %2
</translation>
    </message>
    <message>
        <source>  cópia de segurança: %1
</source>
        <translation>  backup: %1
</translation>
    </message>
    <message>
        <source>  verificado
</source>
        <translation>  verified
</translation>
    </message>
    <message>
        <source>  não verificado
</source>
        <translation>  not verified
</translation>
    </message>
    <message>
        <source>pronto</source>
        <translation>ready</translation>
    </message>
    <message>
        <source>não pronto</source>
        <translation>not ready</translation>
    </message>
    <message>
        <source>endereço</source>
        <translation>address</translation>
    </message>
    <message>
        <source>resultado</source>
        <translation>result</translation>
    </message>
    <message>
        <source>alterações</source>
        <translation>changes</translation>
    </message>
    <message>
        <source>cópia de segurança</source>
        <translation>backup</translation>
    </message>
    <message>
        <source>erro</source>
        <translation>error</translation>
    </message>
    <message>
        <source>%1: %2, %3, %4, em %5 s</source>
        <translation>%1: %2, %3, %4, in %5 s</translation>
    </message>
    <message>
        <source>terminal</source>
        <translation>terminal</translation>
    </message>
    <message>
        <source>novos</source>
        <translation>new</translation>
    </message>
    <message>
        <source>
Com --json, os comandos escrevem JSON Lines, um objeto por terminal por linha, que começa com
address, result, error e exit (hxconfig-cli COMANDO --help diz as chaves de cada comando).

</source>
        <translation>
With --json, the commands write JSON Lines, one object per terminal per line, which starts with
address, result, error and exit (hxconfig-cli COMMAND --help tells each command&apos;s keys).

</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>(alterado)</source>
        <translation>(changed)</translation>
    </message>
    <message>
        <source>Comparar com o Lido</source>
        <translation>Compare with Read Values</translation>
    </message>
    <message>
        <source>Alterações</source>
        <translation>Changes</translation>
    </message>
    <message>
        <source>Página</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Campo</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Valor lido</source>
        <translation>Value read</translation>
    </message>
    <message>
        <source>Valor atual</source>
        <translation>Current value</translation>
    </message>
    <message>
        <source>Nenhuma alteração</source>
        <translation>No change</translation>
    </message>
    <message>
        <source>1 campo alterado desde a leitura</source>
        <translation>1 field changed since the read</translation>
    </message>
    <message>
        <source>%1 campos alterados desde a leitura</source>
        <translation>%1 fields changed since the read</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>Início do quadro</source>
        <translation>Frame start</translation>
    </message>
    <message>
        <source>Letra do comando</source>
        <translation>Command letter</translation>
    </message>
    <message>
        <source>Baud - Rate COM 0</source>
        <translation>Baud - Rate COM 0</translation>
    </message>
    <message>
        <source>Paridade COM 0</source>
        <translation>Parity COM 0</translation>
    </message>
    <message>
        <source>Nº de Bits COM 0</source>
        <translation>No. of Bits COM 0</translation>
    </message>
    <message>
        <source>Stop Bits COM 0</source>
        <translation>Stop Bits COM 0</translation>
    </message>
    <message>
        <source>HandShake COM 0</source>
        <translation>HandShake COM 0</translation>
    </message>
    <message>
        <source>Baud - Rate COM 1</source>
        <translation>Baud - Rate COM 1</translation>
    </message>
    <message>
        <source>Paridade COM 1</source>
        <translation>Parity COM 1</translation>
    </message>
    <message>
        <source>Nº de Bits COM 1</source>
        <translation>No. of Bits COM 1</translation>
    </message>
    <message>
        <source>Stop Bits COM 1</source>
        <translation>Stop Bits COM 1</translation>
    </message>
    <message>
        <source>HandShake COM 1</source>
        <translation>HandShake COM 1</translation>
    </message>
    <message>
        <source>Teclado</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>Acionamento</source>
        <translation>Switching</translation>
    </message>
    <message>
        <source>Interface de RF 2.4G</source>
        <translation>2.4G RF Interface</translation>
    </message>
    <message>
        <source>Nº do Terminal</source>
        <translation>Terminal No.</translation>
    </message>
    <message>
        <source>Canal Base</source>
        <translation>Base Channel</translation>
    </message>
    <message>
        <source>Taxa de Transmissão</source>
        <translation>Transmission Rate</translation>
    </message>
    <message>
        <source>Conexão TCP</source>
        <translation>TCP Connection</translation>
    </message>
    <message>
        <source>IP Local</source>
        <translation>Local IP</translation>
    </message>
    <message>
        <source>Porta Local</source>
        <translation>Local Port</translation>
    </message>
    <message>
        <source>IP Remoto</source>
        <translation>Remote IP</translation>
    </message>
    <message>
        <source>Porta Remota</source>
        <translation>Remote Port</translation>
    </message>
    <message>
        <source>Flag Serial COM 0</source>
        <translation>Serial Flag COM 0</translation>
    </message>
    <message>
        <source>Flag Serial COM 1</source>
        <translation>Serial Flag COM 1</translation>
    </message>
    <message>
        <source>Impressora Default</source>
        <translation>Default Printer</translation>
    </message>
    <message>
        <source>Polaridade AT</source>
        <translation>AT Polarity</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Subnet Mask</translation>
    </message>
    <message>
        <source>Timeout Rede</source>
        <translation>Network Timeout</translation>
    </message>
    <message>
        <source>Nº Retries</source>
        <translation>No. of Retries</translation>
    </message>
    <message>
        <source>Velocidade de Rede</source>
        <translation>Network Speed</translation>
    </message>
    <message>
        <source>Half/Full Duplex</source>
        <translation>Half/Full Duplex</translation>
    </message>
    <message>
        <source>Protocolo</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>Boot Delay</source>
        <translation>Boot Delay</translation>
    </message>
    <message>
        <source>Habilita Touch</source>
        <translation>Enable Touch</translation>
    </message>
    <message>
        <source>Sincronismo de Vídeo</source>
        <translation>Video Sync</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>Mac Address</translation>
    </message>
    <message>
        <source>COM 0</source>
        <translation>COM 0</translation>
    </message>
    <message>
        <source>COM 1</source>
        <translation>COM 1</translation>
    </message>
    <message>
        <source>LCM</source>
        <translation>LCM</translation>
    </message>
    <message>
        <source>Timeout COM 0</source>
        <translation>Timeout COM 0</translation>
    </message>
    <message>
        <source>Timeout COM 1</source>
        <translation>Timeout COM 1</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Tecla DEL</source>
        <translation>DEL Key</translation>
    </message>
    <message>
        <source>Nova Senha</source>
        <translation>New Password</translation>
    </message>
    <message>
        <source>Conexão TelNet</source>
        <translation>TelNet Connection</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>CNPJ</source>
        <translation>CNPJ</translation>
    </message>
    <message>
        <source>Rede</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>Conexão</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>Gerais</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Seriais</source>
        <translation>Serial</translation>
    </message>
    <message>
        <source>Reservado (byte %1)</source>
        <translation>Reserved (byte %1)</translation>
    </message>
    <message>
        <source>Reservado (bytes %1..%2)</source>
        <translation>Reserved (bytes %1..%2)</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>seção [Imagem] repetida.</source>
        <translation>repeated [Imagem] section.</translation>
    </message>
    <message>
        <source>chave desconhecida na seção [Imagem]: %1.</source>
        <translation>unknown key in the [Imagem] section: %1.</translation>
    </message>
    <message>
        <source>chave %1 repetida na seção [Imagem].</source>
        <translation>key %1 repeated in the [Imagem] section.</translation>
    </message>
    <message>
        <source>%1 deve ter %2 bytes em hexadecimal, pares separados por um espaço.</source>
        <translation>%1 must have %2 bytes in hexadecimal, pairs separated by a blank.</translation>
    </message>
    <message>
        <source>data e hora inválidas em LidoEm (esperado aaaa-mm-ddThh:mm:ss): %1.</source>
        <translation>invalid date and time in LidoEm (expected yyyy-mm-ddThh:mm:ss): %1.</translation>
    </message>
    <message>
        <source>O arquivo de configuração é grande demais.</source>
        <translation>The configuration file is too large.</translation>
    </message>
    <message>
        <source>O arquivo de configuração não é um arquivo de texto.</source>
        <translation>The configuration file is not a text file.</translation>
    </message>
    <message>
        <source>Falta a seção [Imagem] com a imagem de 260 bytes.</source>
        <translation>The [Imagem] section with the 260-byte image is missing.</translation>
    </message>
    <message>
        <source>falta a chave %1 na seção [Imagem].</source>
        <translation>the key %1 is missing in the [Imagem] section.</translation>
    </message>
    <message>
        <source>%1: não foi possível ler o arquivo: %2</source>
        <translation>%1: could not read the file: %2</translation>
    </message>
    <message>
        <source>não é um arquivo comum (pipe, dispositivo ou soquete); indique um arquivo</source>
        <translation>not a regular file (pipe, device or socket); name a file</translation>
    </message>
    <message>
        <source>%1: arquivo grande demais (mais de %2 bytes)</source>
        <translation>%1: file too large (more than %2 bytes)</translation>
    </message>
    <message>
        <source>%1: não é um arquivo de texto</source>
        <translation>%1: not a text file</translation>
    </message>
    <message>
        <source>%1: linha %2: %3</source>
        <translation>%1: line %2: %3</translation>
    </message>
    <message>
        <source>não é um arquivo de texto</source>
        <translation>not a text file</translation>
    </message>
    <message>
        <source>sem memória para ler o arquivo</source>
        <translation>no memory to read the file</translation>
    </message>
    <message>
        <source>aspas fora do lugar (uma célula com aspas deve começar e terminar com elas, e aspas dentro dela vêm dobradas)</source>
        <translation>misplaced quotes (a quoted cell must start and end with them, and quotes inside it are doubled)</translation>
    </message>
    <message>
        <source>aspas abertas e nunca fechadas</source>
        <translation>quotes opened and never closed</translation>
    </message>
    <message>
        <source>o arquivo está vazio</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>é um link simbólico; nada foi gravado através dele (indique o arquivo de destino)</source>
        <translation>is a symbolic link; nothing was written through it (name the target file)</translation>
    </message>
    <message>
        <source>não é um arquivo comum</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>a pasta %1 pertence a outro usuário; use uma pasta sua (por exemplo, crie uma nova com mkdir -m 700)</source>
        <translation>the folder %1 belongs to another user; use a folder of your own (for example, create a new one with mkdir -m 700)</translation>
    </message>
    <message>
        <source>a pasta %1 pode ser alterada por outros usuários; restrinja-a com chmod 700 %1</source>
        <translation>the folder %1 can be changed by other users; restrict it with chmod 700 %1</translation>
    </message>
    <message>
        <source>não foi possível gravar</source>
        <translation>could not write</translation>
    </message>
    <message>
        <source>não foi possível gravar a cópia de segurança em</source>
        <translation>could not write the backup to</translation>
    </message>
    <message>
        <source>a pasta %1 é um link simbólico; as cópias de segurança não são gravadas através de links (indique a pasta de destino)</source>
        <translation>the folder %1 is a symbolic link; backups are not written through links (name the target folder)</translation>
    </message>
    <message>
        <source>não foi possível acrescentar o registro em</source>
        <translation>could not append the record to</translation>
    </message>
    <message>
        <source>aviso: %1 pode ser lido por outros usuários e guarda o login e a senha dos terminais; restrinja-o com chmod 600 %1</source>
        <translation>warning: %1 can be read by other users and holds the terminals&apos; login and password; restrict it with chmod 600 %1</translation>
    </message>
    <message>
        <source>coluna desconhecida &quot;%1&quot; (as colunas são address ou endereco, password ou senha, new_password ou nova_senha e Secao.Chave, por exemplo Conexao.IPLocal; hxconfig-cli show lista as chaves)</source>
        <translation>unknown column &quot;%1&quot; (the columns are address or endereco, password or senha, new_password or nova_senha and Secao.Chave, for example Conexao.IPLocal; hxconfig-cli show lists the keys)</translation>
    </message>
    <message>
        <source>coluna repetida &quot;%1&quot;</source>
        <translation>repeated column &quot;%1&quot;</translation>
    </message>
    <message>
        <source>falta a coluna address (ou endereco) no cabeçalho</source>
        <translation>the address column (or endereco) is missing in the header</translation>
    </message>
    <message>
        <source>valor &quot;%1&quot; na coluna %2, que o cabeçalho não nomeia</source>
        <translation>value &quot;%1&quot; in column %2, which the header does not name</translation>
    </message>
    <message>
        <source>falta o endereço (coluna address ou endereco)</source>
        <translation>the address is missing (address or endereco column)</translation>
    </message>
    <message>
        <source>nenhum terminal depois do cabeçalho</source>
        <translation>no terminal after the header</translation>
    </message>
    <message>
        <source>não foi possível abrir o arquivo</source>
        <translation>could not open the file</translation>
    </message>
    <message>
        <source>linha %1: o arquivo acaba na linha %2; são necessárias 40 linhas</source>
        <translation>line %1: the file ends at line %2; 40 lines are needed</translation>
    </message>
    <message>
        <source>linha %1: tem %2 pares, não 6</source>
        <translation>line %1: has %2 pairs, not 6</translation>
    </message>
    <message>
        <source>linha %1: &quot;%2&quot; não é um par hexadecimal (coluna %3)</source>
        <translation>line %1: &quot;%2&quot; is not a hexadecimal pair (column %3)</translation>
    </message>
    <message>
        <source>sem permissão</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>arquivo ou pasta inexistente</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>parte do caminho não é uma pasta</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>já existe um arquivo com esse nome</source>
        <translation>a file with that name already exists</translation>
    </message>
    <message>
        <source>é uma pasta, não um arquivo</source>
        <translation>is a folder, not a file</translation>
    </message>
    <message>
        <source>disco cheio</source>
        <translation>disk full</translation>
    </message>
    <message>
        <source>disco cheio (cota do usuário excedida)</source>
        <translation>disk full (user&apos;s quota exceeded)</translation>
    </message>
    <message>
        <source>disco cheio (limite de tamanho de arquivo)</source>
        <translation>disk full (file size limit)</translation>
    </message>
    <message>
        <source>é um link simbólico</source>
        <translation>is a symbolic link</translation>
    </message>
    <message>
        <source>sistema de arquivos somente leitura</source>
        <translation>read-only file system</translation>
    </message>
    <message>
        <source>arquivos abertos demais</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>erro de entrada e saída do dispositivo</source>
        <translation>device input/output error</translation>
    </message>
    <message>
        <source>nome longo demais</source>
        <translation>name too long</translation>
    </message>
    <message>
        <source>erro de leitura</source>
        <translation>read error</translation>
    </message>
    <message>
        <source>erro de gravação</source>
        <translation>write error</translation>
    </message>
    <message>
        <source>sem recursos do sistema (disco cheio?)</source>
        <translation>no system resources (disk full?)</translation>
    </message>
    <message>
        <source>não foi possível abrir</source>
        <translation>could not open</translation>
    </message>
    <message>
        <source>não foi possível renomear o arquivo temporário</source>
        <translation>could not rename the temporary file</translation>
    </message>
    <message>
        <source>erro do sistema de arquivos</source>
        <translation>file system error</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo &quot;%1&quot;.</source>
        <translation>Could not open the file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1: o arquivo não é um texto que se possa regravar; nada foi gravado</source>
        <translation>%1: the file is not text that can be written back; nothing was written</translation>
    </message>
    <message>
        <source><byte value="xd"/>Sem permissão de leitura.</source>
        <translation><byte value="xd"/>No permission to read.</translation>
    </message>
    <message>
        <source>Erro ao ler o arquivo &quot;%1&quot;; a tabela mostra o que foi lido até o erro.</source>
        <translation>Error reading the file &quot;%1&quot;; the table shows what was read up to the error.</translation>
    </message>
    <message>
        <source>não foi possível criar a pasta de cópias de segurança %1: %2</source>
        <translation>could not create the backup folder %1: %2</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>IP Local</source>
        <translation>Local IP</translation>
    </message>
    <message>
        <source>Data/Hora</source>
        <translation>Date/Time</translation>
    </message>
    <message>
        <source>Porta Local</source>
        <translation>Local Port</translation>
    </message>
    <message>
        <source>IP Remoto</source>
        <translation>Remote IP</translation>
    </message>
    <message>
        <source>Porta Remota</source>
        <translation>Remote Port</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Máscara</source>
        <translation>Mask</translation>
    </message>
    <message>
        <source>Modo TCP</source>
        <translation>TCP Mode</translation>
    </message>
    <message>
        <source>Protocolo</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>COM 0</source>
        <translation>COM 0</translation>
    </message>
    <message>
        <source>COM 1</source>
        <translation>COM 1</translation>
    </message>
    <message>
        <source>Conexão TelNet</source>
        <translation>TelNet Connection</translation>
    </message>
    <message>
        <source>Boot Delay</source>
        <translation>Boot Delay</translation>
    </message>
</context>
<context>
    <name>Image</name>
    <message>
        <source>%1 [%2.%3]: imagem %4, chaves %5</source>
        <translation>%1 [%2.%3]: image %4, keys %5</translation>
    </message>
    <message>
        <source>&quot;?&quot; no lugar de %1, que o Windows-1252 do terminal não tem</source>
        <translation>&quot;?&quot; in place of %1, which the terminal&apos;s Windows-1252 lacks</translation>
    </message>
    <message>
        <source>cortado em %1 caracteres, o tamanho do campo</source>
        <translation>cut at %1 characters, the field&apos;s size</translation>
    </message>
    <message>
        <source>%1 [%2.%3]: &quot;%4&quot; será gravado como &quot;%5&quot;: %6</source>
        <translation>%1 [%2.%3]: &quot;%4&quot; will be written as &quot;%5&quot;: %6</translation>
    </message>
    <message>
        <source>Valor não aceito em [%1] %2=%3; valores aceitos: %4</source>
        <translation>Value not accepted in [%1] %2=%3; accepted values: %4</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>faixa inválida: %1 (a.b.c.d/nn, de /16 a /32, ou a.b.c.d-e.f.g.h)</source>
        <translation>invalid range: %1 (a.b.c.d/nn, from /16 to /32, or a.b.c.d-e.f.g.h)</translation>
    </message>
    <message>
        <source>faixa grande demais: %1 (no máximo /%2, %3 endereços)</source>
        <translation>range too large: %1 (at most /%2, %3 addresses)</translation>
    </message>
    <message>
        <source>faixa invertida: %1 (o primeiro endereço vem antes do último)</source>
        <translation>inverted range: %1 (the first address comes before the last)</translation>
    </message>
    <message>
        <source>faixa grande demais: %1 (no máximo %2 endereços)</source>
        <translation>range too large: %1 (at most %2 addresses)</translation>
    </message>
    <message>
        <source>linha %1 (%2)</source>
        <translation>line %1 (%2)</translation>
    </message>
    <message>
        <source>linha %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>linhas %1 e %2</source>
        <translation>lines %1 and %2</translation>
    </message>
    <message>
        <source>linhas %1 e mais %2 (%3, ...)</source>
        <translation>lines %1 and %2 more (%3, ...)</translation>
    </message>
    <message>
        <source>; uma planilha pode ter tirado o zero à esquerda: formate a coluna new_password como texto e digite a senha de novo</source>
        <translation>; a spreadsheet may have removed the leading zero: format the new_password column as text and type the password again</translation>
    </message>
    <message>
        <source>%1: o mesmo IP Local %2</source>
        <translation>%1: the same Local IP %2</translation>
    </message>
    <message>
        <source>perfil: %1</source>
        <translation>profile: %1</translation>
    </message>
    <message>
        <source>endereço inválido (IPv4 ou host:porta)</source>
        <translation>invalid address (IPv4 or host:port)</translation>
    </message>
    <message>
        <source>falta a senha (coluna password, --password, --password-file ou HXCONFIG_PASSWORD)</source>
        <translation>the password is missing (password column, --password, --password-file or HXCONFIG_PASSWORD)</translation>
    </message>
    <message>
        <source>%1: o mesmo terminal %2 em mais de uma linha</source>
        <translation>%1: the same terminal %2 on more than one line</translation>
    </message>
    <message>
        <source>%1; o perfil define %2 para todos: dê a cada terminal o seu na coluna %2</source>
        <translation>%1; the profile sets %2 for all: give each terminal its own in the %2 column</translation>
    </message>
    <message>
        <source>a senha deve ter de 1 a 6 caracteres, não %1</source>
        <translation>the password must have 1 to 6 characters, not %1</translation>
    </message>
    <message>
        <source>a senha não pode conter os caracteres ‚ e ƒ</source>
        <translation>the password cannot contain the characters ‚ and ƒ</translation>
    </message>
    <message>
        <source>a nova senha deve ter exatamente 6 caracteres, não %1</source>
        <translation>the new password must have exactly 6 characters, not %1</translation>
    </message>
    <message>
        <source>nova senha: %1</source>
        <translation>new password: %1</translation>
    </message>
    <message>
        <source>terminal não está pronto (status recusado)</source>
        <translation>terminal not ready (status refused)</translation>
    </message>
    <message>
        <source>leitura recusada: verifique a senha</source>
        <translation>read refused: check the password</translation>
    </message>
    <message>
        <source>desbloqueio recusado pelo terminal</source>
        <translation>unlock refused by the terminal</translation>
    </message>
    <message>
        <source>reinício não concluído: o terminal recusou</source>
        <translation>reboot not completed: the terminal refused</translation>
    </message>
    <message>
        <source>conexão recusada</source>
        <translation>connection refused</translation>
    </message>
    <message>
        <source>conexão encerrada pelo terminal</source>
        <translation>connection closed by the terminal</translation>
    </message>
    <message>
        <source>endereço não encontrado</source>
        <translation>address not found</translation>
    </message>
    <message>
        <source>tempo esgotado</source>
        <translation>timed out</translation>
    </message>
    <message>
        <source>rede ou terminal inalcançável</source>
        <translation>network or terminal unreachable</translation>
    </message>
    <message>
        <source>sem recursos do sistema para abrir a conexão</source>
        <translation>no system resources to open the connection</translation>
    </message>
    <message>
        <source>sem permissão para abrir a conexão</source>
        <translation>no permission to open the connection</translation>
    </message>
    <message>
        <source>endereço local indisponível</source>
        <translation>local address unavailable</translation>
    </message>
    <message>
        <source>erro de rede (código %1)</source>
        <translation>network error (code %1)</translation>
    </message>
    <message>
        <source>conexão</source>
        <translation>connection</translation>
    </message>
    <message>
        <source>pedido de status</source>
        <translation>status request</translation>
    </message>
    <message>
        <source>gravação</source>
        <translation>write</translation>
    </message>
    <message>
        <source>reinício</source>
        <translation>reboot</translation>
    </message>
    <message>
        <source>envio do logotipo</source>
        <translation>logo sending</translation>
    </message>
    <message>
        <source>conexão recusada: o terminal está ligado, no endereço e porta certos?</source>
        <translation>connection refused: is the terminal on, at the right address and port?</translation>
    </message>
    <message>
        <source>terminal não localizado: sem conexão em %1 ms</source>
        <translation>terminal not found: no connection within %1 ms</translation>
    </message>
    <message>
        <source>terminal não localizado: %1</source>
        <translation>terminal not found: %1</translation>
    </message>
    <message>
        <source>sem resposta do terminal em %1 ms (%2)</source>
        <translation>no answer from the terminal within %1 ms (%2)</translation>
    </message>
    <message>
        <source>resposta inválida do terminal</source>
        <translation>invalid answer from the terminal</translation>
    </message>
    <message>
        <source>conexão encerrada pelo terminal (%1)</source>
        <translation>connection closed by the terminal (%1)</translation>
    </message>
    <message>
        <source>pedido fora de ordem (%1)</source>
        <translation>request out of order (%1)</translation>
    </message>
    <message>
        <source>erro de conexão (%1): %2</source>
        <translation>connection error (%1): %2</translation>
    </message>
    <message>
        <source>campos de texto vazios: %1</source>
        <translation>empty text fields: %1</translation>
    </message>
    <message>
        <source>a nova senha deve ter exatamente 6 caracteres</source>
        <translation>the new password must have exactly 6 characters</translation>
    </message>
    <message>
        <source>; nada foi gravado no terminal</source>
        <translation>; nothing was written to the terminal</translation>
    </message>
    <message>
        <source>verificação falhou: o terminal recusou a leitura com a senha gravada</source>
        <translation>verification failed: the terminal refused the read with the written password</translation>
    </message>
    <message>
        <source>verificação falhou: o terminal guarda outra configuração do que a enviada%1</source>
        <translation>verification failed: the terminal holds another configuration than the one sent%1</translation>
    </message>
    <message>
        <source>%1 (cópia de segurança: %2)</source>
        <translation>%1 (backup: %2)</translation>
    </message>
    <message>
        <source>o arquivo é de outro terminal (MAC %1; este terminal tem MAC %2): use --clone para copiar só os campos editáveis</source>
        <translation>the file is another terminal&apos;s (MAC %1; this terminal has MAC %2): use --clone to copy only the editable fields</translation>
    </message>
</context>
<context>
    <name>ProblemMarkers</name>
    <message>
        <source>; sugestão: </source>
        <translation>; suggestion: </translation>
    </message>
    <message>
        <source>1 problema</source>
        <translation>1 problem</translation>
    </message>
    <message>
        <source>%1 problemas</source>
        <translation>%1 problems</translation>
    </message>
    <message>
        <source>erro</source>
        <translation>error</translation>
    </message>
    <message>
        <source>aviso</source>
        <translation>warning</translation>
    </message>
</context>
<context>
    <name>SimText</name>
    <message>
        <source>não foi possível escutar em %1:%2: %3</source>
        <translation>cannot listen on %1:%2: %3</translation>
    </message>
    <message>
        <source>--%1 espera um número de %2 a %3, não %4</source>
        <translation>--%1 needs a number from %2 to %3, not %4</translation>
    </message>
    <message>
        <source>Endereço em que escuta (padrão 127.0.0.1).</source>
        <translation>Address to listen on (default 127.0.0.1).</translation>
    </message>
    <message>
        <source>não é um endereço: %1</source>
        <translation>not an address: %1</translation>
    </message>
    <message>
        <source>Porta TCP (padrão 2323; 0 = qualquer porta livre).</source>
        <translation>TCP port (default 2323; 0 = any free port).</translation>
    </message>
    <message>
        <source>não é uma porta: %1</source>
        <translation>not a port: %1</translation>
    </message>
    <message>
        <source>A senha do terminal, de 1 a 6 caracteres (padrão 123456).</source>
        <translation>The terminal&apos;s password, 1 to 6 characters (default 123456).</translation>
    </message>
    <message>
        <source>Imagem de configuração inicial de 260 bytes (bytes crus); os bytes 170..176 recebem a senha.</source>
        <translation>Initial 260-byte configuration image (raw bytes); bytes 170..176 get the password.</translation>
    </message>
    <message>
        <source>Guarda imagem, senha e logotipo entre execuções: carregado ao iniciar quando existe (então --image e --password não valem), salvo depois de cada gravação e logotipo.</source>
        <translation>Keeps image, password and logo across runs: loaded at start when present (then --image and --password are not used), saved after every write and logo.</translation>
    </message>
    <message>
        <source>Nunca responde.</source>
        <translation>Never answer.</translation>
    </message>
    <message>
        <source>Recusa todo desbloqueio (&apos;U&apos; &apos;N&apos;).</source>
        <translation>Refuse every unlock (&apos;U&apos; &apos;N&apos;).</translation>
    </message>
    <message>
        <source>Responde ao status com &apos;S&apos; &apos;N&apos;.</source>
        <translation>Answer status with &apos;S&apos; &apos;N&apos;.</translation>
    </message>
    <message>
        <source>Recusa o reinício (&apos;B&apos; &apos;N&apos;) em vez de fechar.</source>
        <translation>Refuse the reboot (&apos;B&apos; &apos;N&apos;) instead of closing.</translation>
    </message>
    <message>
        <source>Envia cada resposta em dois pedaços, com uns 100 ms entre eles.</source>
        <translation>Send each reply in two pieces about 100 ms apart.</translation>
    </message>
    <message>
        <source>Fecha cada conexão depois de N pedidos.</source>
        <translation>Close each connection after N requests.</translation>
    </message>
    <message>
        <source>--close-after espera um número de pedidos, não %1</source>
        <translation>--close-after needs a number of requests, not %1</translation>
    </message>
    <message>
        <source>Envia lixo em vez de cada resposta.</source>
        <translation>Send garbage instead of each reply.</translation>
    </message>
    <message>
        <source>Envia um bloco de 64 KiB em vez de cada resposta.</source>
        <translation>Send a 64 KiB block instead of each reply.</translation>
    </message>
    <message>
        <source>Responde a cada leitura com cópias da resposta de leitura, uma após a outra, sem fim.</source>
        <translation>Answer each read with copies of the read reply, one after the other without end.</translation>
    </message>
    <message>
        <source>Responde a cada leitura com bytes zero, sem fim.</source>
        <translation>Answer each read with zero bytes without end.</translation>
    </message>
    <message>
        <source>Responde a cada leitura com MAC, Login e Senha que contêm caracteres de controle (ESC,
BEL) e quebras de linha.</source>
        <translation>Answer each read with a MAC, Login and Password that hold control characters (ESC,
BEL) and line breaks.</translation>
    </message>
    <message>
        <source>Responde a cada gravação com &apos;G&apos;, mas guarda-a com um bit do primeiro byte da porta local (byte 36 da imagem) invertido, de modo que uma leitura depois difere do que foi enviado.</source>
        <translation>Answer each write with &apos;G&apos; but store it with one bit of the local port&apos;s first byte (image byte 36) flipped, so that a read afterwards differs from what was sent.</translation>
    </message>
    <message>
        <source>Escreve uma linha para cada conexão, quadro recebido e resposta: hora, conexão, letra,
tamanho e, numa gravação, os campos que diferem da imagem guardada.</source>
        <translation>Print a line for every connection, received frame and reply: time, connection, letter,
length, and for a write the fields that differ from the stored image.</translation>
    </message>
    <message>
        <source>Roda N terminais neste processo, nas portas P a P+N-1 (P de --port; com --port 0 cada um
numa porta livre própria), cada um com seu MAC (0050C2000001, ...), IP Local (10.0.0.1,
..., máscara 255.0.0.0, gateway 10.255.255.254), senha, logotipo e estado; uma linha
&quot;listening&quot; para cada um. --state então nomeia uma pasta com um arquivo de estado por
terminal (terminal-0001.txt, ...).</source>
        <translation>Run N terminals in this process, on ports P to P+N-1 (P from --port; with --port 0 each on
a free port of its own), each with its own MAC (0050C2000001, ...), IP Local (10.0.0.1,
..., mask 255.0.0.0, gateway 10.255.255.254), password, logo and state; one &quot;listening&quot;
line each. --state then names a folder that holds one state file per terminal
(terminal-0001.txt, ...).</translation>
    </message>
    <message>
        <source>Com --fleet: os modos de falha valem só para os últimos K terminais.</source>
        <translation>With --fleet: the fault modes apply to the last K terminals only.</translation>
    </message>
    <message>
        <source>Com --fleet: o terminal i escuta no endereço de --listen mais (i-1) x S, todos numa porta,
para que uma faixa possa ser varrida (127.0.0.0/8 é todo loopback).</source>
        <translation>With --fleet: terminal i listens on the listen address plus (i-1) x S, all on one port,
so that a range can be scanned (127.0.0.0/8 is loopback as a whole).</translation>
    </message>
    <message>
        <source>Com --fleet: escreve o arquivo de frota para hxconfig-cli batch (address como host:porta, password)
antes das linhas &quot;listening&quot;.</source>
        <translation>With --fleet: write the fleet file for hxconfig-cli batch (address as host:port, password)
before the listening lines.</translation>
    </message>
    <message>
        <source>não foi possível ler %1: %2</source>
        <translation>cannot read %1: %2</translation>
    </message>
    <message>
        <source>%1 tem %2 bytes, não %3</source>
        <translation>%1 holds %2 bytes, not %3</translation>
    </message>
    <message>
        <source>--faulty, --address-step e --write-fleet precisam de --fleet</source>
        <translation>--faulty, --address-step and --write-fleet need --fleet</translation>
    </message>
    <message>
        <source>--address-step precisa de um endereço IPv4 em --listen com espaço para a frota</source>
        <translation>--address-step needs an IPv4 listen address with room for the fleet</translation>
    </message>
    <message>
        <source>as portas %1 a %2 não existem</source>
        <translation>ports %1 to %2 do not exist</translation>
    </message>
    <message>
        <source>não é um arquivo de estado: %1</source>
        <translation>not a state file: %1</translation>
    </message>
    <message>
        <source>a senha deve ter de 1 a 6 caracteres</source>
        <translation>the password must have 1 to 6 characters</translation>
    </message>
    <message>
        <source>a senha não pode conter os caracteres ‚ ou ƒ (bytes 0x82, 0x83)</source>
        <translation>the password must not contain the characters ‚ or ƒ (bytes 0x82, 0x83)</translation>
    </message>
    <message>
        <source>Terminal simulado: responde aos quadros de status, leitura, desbloqueio, gravação, reinício e
logotipo da ferramenta de configuração numa porta TCP. Ao iniciar, escreve na saída padrão uma
linha &quot;hxterm-sim listening on ADDR:PORT&quot;.</source>
        <translation>Simulated microterminal: answers the configuration tool&apos;s status, read, unlock, write,
reboot and logo frames on a TCP port. On start it prints one line
&quot;hxterm-sim listening on ADDR:PORT&quot; to stdout.</translation>
    </message>
</context>
<context>
    <name>TfmExibeLog</name>
    <message>
        <source>Arquivo Microterminal TCP-IP  Corvale Tecnologia</source>
        <translation>Microterminal TCP-IP File  Corvale Tecnologia</translation>
    </message>
    <message>
        <source>Abrir arquivo</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Tabela</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Arquivo Texto|*.txt</source>
        <translation>Text File|*.txt</translation>
    </message>
    <message>
        <source>Tabela: %1</source>
        <translation>Table: %1</translation>
    </message>
</context>
<context>
    <name>TfmVarnel</name>
    <message>
        <source>Limpar Caixa</source>
        <translation>Clear Box</translation>
    </message>
    <message>
        <source>Erro</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Erro ao escrever no arquivo de configuração em:<byte value="xd"/></source>
        <translation>Error writing the configuration file in:<byte value="xd"/></translation>
    </message>
    <message>
        <source>Não foi possível apagar a seção HXConfig de </source>
        <translation>Could not delete the HXConfig section of </translation>
    </message>
    <message>
        <source>Configuração</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Geralmente a Porta COM 0 é configurada como &quot;NÃO&quot;!<byte value="xd"/>Têm certeza que deseja configurar como &quot;SIM&quot; e alterar suas configurações?</source>
        <translation>COM Port 0 is usually configured as &quot;NO&quot;!<byte value="xd"/>Are you sure you want to configure it as &quot;YES&quot; and change its settings?</translation>
    </message>
    <message>
        <source>Verifique a existência de campo em branco!</source>
        <translation>Check for blank fields!</translation>
    </message>
    <message>
        <source>Aguarde...</source>
        <translation>Please wait...</translation>
    </message>
    <message>
        <source>Nova Senha Deverá ter 6 Dígitos!!!</source>
        <translation>New Password Must Have 6 Digits!!!</translation>
    </message>
    <message>
        <source>Log de configuração gerado com sucesso!</source>
        <translation>Configuration log generated successfully!</translation>
    </message>
    <message>
        <source>Falha ao gerar Log de configuração!</source>
        <translation>Failed to generate the configuration log!</translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Arquivo Texto (*.txt)</source>
        <translation>Text File (*.txt)</translation>
    </message>
    <message>
        <source>Não foi possível lêr o arquivo!</source>
        <translation>Could not read the file!</translation>
    </message>
    <message>
        <source>Aviso</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Arquivo LogCfg.txt não localizado!</source>
        <translation>File LogCfg.txt not found!</translation>
    </message>
    <message>
        <source>Conectar</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Desconectar</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Digite o Endreço IP do Terminal</source>
        <translation>Type the Terminal&apos;s IP Address</translation>
    </message>
    <message>
        <source>Conectado</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Desconectado</source>
        <translation>Disconnected</translation>
    </message>
    <message>
        <source>Digite a Senha!</source>
        <translation>Type the Password!</translation>
    </message>
    <message>
        <source>Digite a Senha para Desbloqueio!</source>
        <translation>Type the Password to Unlock!</translation>
    </message>
    <message>
        <source>Reiniciando...</source>
        <translation>Rebooting...</translation>
    </message>
    <message>
        <source>Terminal Não Respondendo!</source>
        <translation>Terminal Not Responding!</translation>
    </message>
    <message>
        <source>Retorno de Status</source>
        <translation>Status Reply</translation>
    </message>
    <message>
        <source>Retorno de Leitura</source>
        <translation>Read Reply</translation>
    </message>
    <message>
        <source>Não foi possível efetuar a leitura<byte value="xd"/>Verifique a senha</source>
        <translation>Could not read<byte value="xd"/>Check the password</translation>
    </message>
    <message>
        <source>Não foi Possível Desbloquear Terminal!</source>
        <translation>Could Not Unlock the Terminal!</translation>
    </message>
    <message>
        <source>Terminal Desbloqueado</source>
        <translation>Terminal Unlocked</translation>
    </message>
    <message>
        <source>Reboot Não foi concluído!</source>
        <translation>Reboot Was Not Completed!</translation>
    </message>
    <message>
        <source>Reiniciar Microterminal</source>
        <translation>Reboot Microterminal</translation>
    </message>
    <message>
        <source>Gravação realizada com sucesso!<byte value="xd"/>Deseja reiniciar o terminal para que os<byte value="xd"/>novo valores entrem em funcionamento?</source>
        <translation>Written successfully!<byte value="xd"/>Do you want to reboot the terminal so that<byte value="xd"/>the new values take effect?</translation>
    </message>
    <message>
        <source>Aviso: Reiniciar Terminal!</source>
        <translation>Warning: Reboot the Terminal!</translation>
    </message>
    <message>
        <source>Terminal não localizado<byte value="xd"/>Verifique endereço IP</source>
        <translation>Terminal not found<byte value="xd"/>Check the IP address</translation>
    </message>
    <message>
        <source>Não foi possível se conectar!<byte value="xd"/>Verifique se outro aplicativo está sendo executado!</source>
        <translation>Could not connect!<byte value="xd"/>Check whether another application is running!</translation>
    </message>
    <message>
        <source>Conexão perdida!<byte value="xd"/>Verifique se o terminal não foi desligado!</source>
        <translation>Connection lost!<byte value="xd"/>Check that the terminal was not switched off!</translation>
    </message>
    <message>
        <source>Falha na conexão</source>
        <translation>Connection failed</translation>
    </message>
    <message>
        <source>Configuração (*.ini)</source>
        <translation>Configuration (*.ini)</translation>
    </message>
    <message>
        <source>Backup: </source>
        <translation>Backup: </translation>
    </message>
    <message>
        <source>Backup falhou: </source>
        <translation>Backup failed: </translation>
    </message>
    <message>
        <source>Aviso: apagar a pasta de compilação apaga os backups</source>
        <translation>Warning: deleting the build folder deletes the backups</translation>
    </message>
    <message>
        <source>Os backups das leituras vão para %1, dentro da pasta de compilação %2: apagar essa pasta apaga também os backups.
Para guardá-los em outro lugar, use o pacote instalado (backups em ~/.config/hxconfig/Backups) ou o hxconfig-cli com --backup-dir PASTA.</source>
        <translation>The backups of the reads go to %1, inside the build folder %2: deleting that folder deletes the backups too.
To keep them elsewhere, use the installed package (backups in ~/.config/hxconfig/Backups) or hxconfig-cli with --backup-dir FOLDER.</translation>
    </message>
    <message>
        <source>Exportar Configuração</source>
        <translation>Export Configuration</translation>
    </message>
    <message>
        <source>Não foi possível exportar a configuração:<byte value="xd"/></source>
        <translation>Could not export the configuration:<byte value="xd"/></translation>
    </message>
    <message>
        <source>Carregar Configuração</source>
        <translation>Load Configuration</translation>
    </message>
    <message>
        <source>Não foi possível carregar a configuração:<byte value="xd"/></source>
        <translation>Could not load the configuration:<byte value="xd"/></translation>
    </message>
    <message>
        <source>Nada foi carregado. Valores que não correspondem a nenhum item:</source>
        <translation>Nothing was loaded. Values that match no item:</translation>
    </message>
    <message>
        <source>Esta configuração é de outro terminal (MAC %1). Carregar mesmo assim?</source>
        <translation>This configuration belongs to another terminal (MAC %1). Load it anyway?</translation>
    </message>
    <message>
        <source>Pasta Backups não localizada!</source>
        <translation>Backups folder not found!</translation>
    </message>
    <message>
        <source>Halvex Tech - Configuração Terminal 2G - Versão %1</source>
        <translation>Halvex Tech - 2G Terminal Configuration - Version %1</translation>
    </message>
    <message>
        <source>IP do Terminal:</source>
        <translation>Terminal IP:</translation>
    </message>
    <message>
        <source>Senha Atual: </source>
        <translation>Password: </translation>
    </message>
    <message>
        <source>Senha Atual:</source>
        <translation>Current Password:</translation>
    </message>
    <message>
        <source>Nova Senha: </source>
        <translation>New Password: </translation>
    </message>
    <message>
        <source>Nova Senha:</source>
        <translation>New Password:</translation>
    </message>
    <message>
        <source>Rede</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>Timeout Rede</source>
        <translation>Network Timeout</translation>
    </message>
    <message>
        <source>Velocidade de Rede</source>
        <translation>Network Speed</translation>
    </message>
    <message>
        <source>Nº Retries</source>
        <translation>No. of Retries</translation>
    </message>
    <message>
        <source>Half/Full Duplex</source>
        <translation>Half/Full Duplex</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>Mac Address</translation>
    </message>
    <message>
        <source>Conexão</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>Conexão TCP</source>
        <translation>TCP Connection</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>IP Remoto</source>
        <translation>Remote IP</translation>
    </message>
    <message>
        <source>IP Local</source>
        <translation>Local IP</translation>
    </message>
    <message>
        <source>Porta Remota</source>
        <translation>Remote Port</translation>
    </message>
    <message>
        <source>Porta Local</source>
        <translation>Local Port</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <translation>Subnet Mask</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>CNPJ</source>
        <translation>CNPJ</translation>
    </message>
    <message>
        <source>Protocolo</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>Corvale</source>
        <translation>Corvale</translation>
    </message>
    <message>
        <source>VT - 100</source>
        <translation>VT - 100</translation>
    </message>
    <message>
        <source>TelNet</source>
        <translation>TelNet</translation>
    </message>
    <message>
        <source>Tecla DEL</source>
        <translation>DEL Key</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Impressora Default</source>
        <translation>Default Printer</translation>
    </message>
    <message>
        <source>Conexão TelNet</source>
        <translation>TelNet Connection</translation>
    </message>
    <message>
        <source>Gerais</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Acionamento</source>
        <translation>Switching</translation>
    </message>
    <message>
        <source>Teclado</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>Boot Delay</source>
        <translation>Boot Delay</translation>
    </message>
    <message>
        <source>Polaridade AT</source>
        <translation>AT Polarity</translation>
    </message>
    <message>
        <source>LCM</source>
        <translation>LCM</translation>
    </message>
    <message>
        <source>Habilita Touch</source>
        <translation>Enable Touch</translation>
    </message>
    <message>
        <source>Sincronismo de Vídeo</source>
        <translation>Video Sync</translation>
    </message>
    <message>
        <source>Leitor Mifare</source>
        <translation>Mifare Reader</translation>
    </message>
    <message>
        <source>Interface de RF 2.4G</source>
        <translation>2.4G RF Interface</translation>
    </message>
    <message>
        <source> Interface de RF 2.4G</source>
        <translation> 2.4G RF Interface</translation>
    </message>
    <message>
        <source>Nº do Terminal</source>
        <translation>Terminal No.</translation>
    </message>
    <message>
        <source>Canal Base</source>
        <translation>Base Channel</translation>
    </message>
    <message>
        <source>Taxa de Transmissão</source>
        <translation>Transmission Rate</translation>
    </message>
    <message>
        <source>Seriais</source>
        <translation>Serial</translation>
    </message>
    <message>
        <source>COM 0</source>
        <translation>COM 0</translation>
    </message>
    <message>
        <source>COM 1</source>
        <translation>COM 1</translation>
    </message>
    <message>
        <source>Baud - Rate</source>
        <translation>Baud - Rate</translation>
    </message>
    <message>
        <source>Baud - Rate COM 0</source>
        <translation>Baud - Rate COM 0</translation>
    </message>
    <message>
        <source>Baud - Rate COM 1</source>
        <translation>Baud - Rate COM 1</translation>
    </message>
    <message>
        <source>Paridade</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>Paridade COM 0</source>
        <translation>Parity COM 0</translation>
    </message>
    <message>
        <source>Paridade COM 1</source>
        <translation>Parity COM 1</translation>
    </message>
    <message>
        <source>Nº de Bits</source>
        <translation>No. of Bits</translation>
    </message>
    <message>
        <source>Nº de Bits COM 0</source>
        <translation>No. of Bits COM 0</translation>
    </message>
    <message>
        <source>Nº de Bits COM 1</source>
        <translation>No. of Bits COM 1</translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation>Stop Bits</translation>
    </message>
    <message>
        <source>Stop Bits COM 0</source>
        <translation>Stop Bits COM 0</translation>
    </message>
    <message>
        <source>Stop Bits COM 1</source>
        <translation>Stop Bits COM 1</translation>
    </message>
    <message>
        <source>HandShake</source>
        <translation>HandShake</translation>
    </message>
    <message>
        <source>HandShake COM 0</source>
        <translation>HandShake COM 0</translation>
    </message>
    <message>
        <source>HandShake COM 1</source>
        <translation>HandShake COM 1</translation>
    </message>
    <message>
        <source>Flag Serial</source>
        <translation>Serial Flag</translation>
    </message>
    <message>
        <source>Flag Serial COM 0</source>
        <translation>Serial Flag COM 0</translation>
    </message>
    <message>
        <source>Flag Serial COM 1</source>
        <translation>Serial Flag COM 1</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Timeout</translation>
    </message>
    <message>
        <source>Timeout COM 0</source>
        <translation>Timeout COM 0</translation>
    </message>
    <message>
        <source>Timeout COM 1</source>
        <translation>Timeout COM 1</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Arquivo:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Abrir Arquivo</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>Lê Arquivo</source>
        <translation>Read File</translation>
    </message>
    <message>
        <source>Escrever Arquivo</source>
        <translation>Write File</translation>
    </message>
    <message>
        <source>Pede Status</source>
        <translation>Ask Status</translation>
    </message>
    <message>
        <source>Ler</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Desbloqueio</source>
        <translation>Unlock</translation>
    </message>
    <message>
        <source>Gravar</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation>Reboot</translation>
    </message>
    <message>
        <source>Log Conf.</source>
        <translation>Conf. Log</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Arquivo</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Diretório</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Visualizar Log</source>
        <translation>View Log</translation>
    </message>
    <message>
        <source>Comparar com o Lido…</source>
        <translation>Compare with Read Values…</translation>
    </message>
    <message>
        <source>Exportar Configuração…</source>
        <translation>Export Configuration…</translation>
    </message>
    <message>
        <source>Carregar Configuração…</source>
        <translation>Load Configuration…</translation>
    </message>
    <message>
        <source>Abrir Backups</source>
        <translation>Open Backups</translation>
    </message>
</context>
<context>
    <name>ToolTips</name>
    <message>
        <source>Define a borda do sinal de clock utilizado
<byte value="xd"/>na leitura dos dados na interface teclado AT.</source>
        <translation>Sets the edge of the clock signal used
<byte value="xd"/>to read the data on the AT keyboard interface.</translation>
    </message>
    <message>
        <source>Permitir o funcionamento da interface Serial 0/1. A Serial 1 é por default instalada no equipamento.
<byte value="xd"/>A Serial 0 é opcional, caso não esteja instalada sua habilitação deverá ser definida como Não.</source>
        <translation>Enables the Serial 0/1 interface. Serial 1 is installed in the equipment by default.
<byte value="xd"/>Serial 0 is optional; when it is not installed it must be set to No.</translation>
    </message>
    <message>
        <source>Valores válidos: 1200, 2400, 4800, 9600, 19200, 38400, 57600 ou 115200 Bits/segundo.
<byte value="xd"/>Função: Determinar a velocidade de comunicação das portas Seriais.</source>
        <translation>Valid values: 1200, 2400, 4800, 9600, 19200, 38400, 57600 or 115200 Bits/second.
<byte value="xd"/>Purpose: Sets the communication speed of the Serial ports.</translation>
    </message>
    <message>
        <source>Valores válidos: Par, Impar, Nenhum
<byte value="xd"/>Função: Definir a existência de bit de paridade no byte de comunicação.</source>
        <translation>Valid values: Even, Odd, None
<byte value="xd"/>Purpose: Sets whether the communication byte has a parity bit.</translation>
    </message>
    <message>
        <source>Valores válidos: 7 ou 8.
<byte value="xd"/>Função: Define o número de bits na palavra de comunicação.</source>
        <translation>Valid values: 7 or 8.
<byte value="xd"/>Purpose: Sets the number of bits in the communication word.</translation>
    </message>
    <message>
        <source>Valores válidos: 1 ou 2.
<byte value="xd"/>Função: Definir o número de stop bits em cada byte transmitido.</source>
        <translation>Valid values: 1 or 2.
<byte value="xd"/>Purpose: Sets the number of stop bits in each byte sent.</translation>
    </message>
    <message>
        <source>Valores válidos: Nenhum, Xon/Xoff, Cts/Rts
<byte value="xd"/>Função: Determinar o tipo de controle de fluxo na comunicação da interface Serial.</source>
        <translation>Valid values: None, Xon/Xoff, Cts/Rts
<byte value="xd"/>Purpose: Sets the kind of flow control in the Serial interface&apos;s communication.</translation>
    </message>
    <message>
        <source>Valores válidos: Sim, Não
<byte value="xd"/>Função: Habilitar o envio de dados recebidos pela Serial do terminal no formato compatível com o Flag de Serial do Microterminal RS-485,
<byte value="xd"/>ou seja: “\” + chr(nibble superior+0x0e) + chr(nibble inferior + 0xe0).</source>
        <translation>Valid values: Yes, No
<byte value="xd"/>Purpose: Enables sending the data received on the terminal&apos;s Serial in the format compatible with the Serial Flag of the RS-485 Microterminal,
<byte value="xd"/>that is: “\” + chr(upper nibble+0x0e) + chr(lower nibble + 0xe0).</translation>
    </message>
    <message>
        <source>Valores válidos: Campo numérico com três dígitos.
<byte value="xd"/>Função: Quando a serial estiver configurada para acionamento
<byte value="xd"/>com controle de fluxo, indica o tempo em milésimos de segundos que o Microterminal
<byte value="xd"/>espera antes de enviar o próximo caracter.
<byte value="xd"/>Quando o campo é configurado como 000 o terminal fica travado aguardando liberação, para então enviar o próximo caracter.</source>
        <translation>Valid values: Numeric field with three digits.
<byte value="xd"/>Purpose: When the serial port is set for switching
<byte value="xd"/>with flow control, the time in thousandths of a second the Microterminal
<byte value="xd"/>waits before sending the next character.
<byte value="xd"/>When the field is set to 000 the terminal stays locked waiting for release before sending the next character.</translation>
    </message>
    <message>
        <source>Valores válidos: 16 teclas, 44 Numérico, 44 Qwerty ou 65 Teclas.
<byte value="xd"/>Função: Definir o tipo de teclado instalado no terminal.
<byte value="xd"/>Atenção: Este campo não deve ser alterado, pois as teclas de configuração não são as mesmas
<byte value="xd"/>entre os modelos 16 teclas, 44 teclas ou 65 teclas, uma vez alterado, a restauração só será possível em assistência técnica especializada.</source>
        <translation>Valid values: 16 keys, 44 Numeric, 44 Qwerty or 65 Keys.
<byte value="xd"/>Purpose: Sets the kind of keyboard installed in the terminal.
<byte value="xd"/>Attention: Do not change this field, since the configuration keys are not the same
<byte value="xd"/>on the 16-key, 44-key and 65-key models; once changed, only specialised technical service can restore it.</translation>
    </message>
    <message>
        <source>Valores válidos: Nenhuma, Entrada, Saída, Todas
<byte value="xd"/>Função: Define a existência de interface de I/O digital no equipamento.</source>
        <translation>Valid values: None, Input, Output, All
<byte value="xd"/>Purpose: Sets whether the equipment has a digital I/O interface.</translation>
    </message>
    <message>
        <source>Valores válidos:  Sim ou Não
<byte value="xd"/>Função:  Define a existência  de Leitor de Cartão Magnético.</source>
        <translation>Valid values:  Yes or No
<byte value="xd"/>Purpose:  Sets whether there is a Magnetic Card Reader.</translation>
    </message>
    <message>
        <source>Valores válidos: Sim ou Não
<byte value="xd"/>Função: Habilitar a configuração dos parâmetros de comunicação através de RF em 2.4GHz e protocolo Corvale. Quando habilitado deverá ser
<byte value="xd"/>configurado outros três campos: Terminal Número, Canal Base e Taxa de Transmissão.</source>
        <translation>Valid values: Yes or No
<byte value="xd"/>Purpose: Enables the configuration of the communication parameters over 2.4GHz RF and the Corvale protocol. When enabled, three
<byte value="xd"/>more fields must be configured: Terminal Number, Base Channel and Transmission Rate.</translation>
    </message>
    <message>
        <source>Valores válidos: 00 a 99
<byte value="xd"/>Função: Definir o número do terminal na comunicação com a  base de rádio.</source>
        <translation>Valid values: 00 to 99
<byte value="xd"/>Purpose: Sets the terminal&apos;s number in the communication with the radio base.</translation>
    </message>
    <message>
        <source>Valores válidos: 00 a 99
<byte value="xd"/>Função: Definir o canal dentro da freqüência de comunicação.
<byte value="xd"/>Deverá corresponder ao canal configurado na base de rádio.</source>
        <translation>Valid values: 00 to 99
<byte value="xd"/>Purpose: Sets the channel within the communication frequency.
<byte value="xd"/>It must match the channel configured in the radio base.</translation>
    </message>
    <message>
        <source>Valores válidos: 250Kbit/s ou 1Mbit/s
<byte value="xd"/>Função: Definir a velocidade dos dados na comunicação.</source>
        <translation>Valid values: 250Kbit/s or 1Mbit/s
<byte value="xd"/>Purpose: Sets the data speed of the communication.</translation>
    </message>
    <message>
        <source>Valores válidos: Client, Server, System ou Nenhum
<byte value="xd"/>Função: Definir qual o comportamento da conexão TCP.
<byte value="xd"/>VIDE MANUAL</source>
        <translation>Valid values: Client, Server, System or None
<byte value="xd"/>Purpose: Sets how the TCP connection behaves.
<byte value="xd"/>SEE THE MANUAL</translation>
    </message>
    <message>
        <source>Pede conexão ao IP e Porta configurados como remoto.</source>
        <translation>Asks for a connection to the IP and Port configured as remote.</translation>
    </message>
    <message>
        <source>Aguarda a conexão no IP e Porta configurados como local.</source>
        <translation>Waits for the connection on the IP and Port configured as local.</translation>
    </message>
    <message>
        <source>Campo válido quando protocolo for Telnet. Ao estabelecer a conexão Telnet, o sistema efetuará a
<byte value="xd"/>autenticação utilizando os parâmetros configurados em Login, Password e CNPJ.</source>
        <translation>Field valid when the protocol is Telnet. When the Telnet connection is established, the system will
<byte value="xd"/>authenticate with the parameters configured in Login, Password and CNPJ.</translation>
    </message>
    <message>
        <source>Valores válidos: Campo digitado.Poderá ser qualquer string com no máximo 15 caracteres.
<byte value="xd"/>Função: Informar o login do usuário ao sistema. Quando o campo Conexão TCP estiver configurado como System e Protocolo estiver configurado como Telnet,
<byte value="xd"/>ao receber a string “login:”, após a conexão, o microterminal enviará para o servidor, o parâmetro configurado neste campo.</source>
        <translation>Valid values: Typed field. It may be any string of at most 15 characters.
<byte value="xd"/>Purpose: Gives the user&apos;s login to the system. When the TCP Connection field is set to System and the Protocol is set to Telnet,
<byte value="xd"/>on receiving the string “login:” after connecting, the microterminal sends the parameter configured in this field to the server.</translation>
    </message>
    <message>
        <source>Valores válidos: Campo digitado. Poderá ser qualquer string com no máximo 15 caracteres.
<byte value="xd"/>Função: Informar o password do usuário ao sistema Quando o campo Conexão TCP estiver configurado como System e Protocolo estiver configurado como Telnet,
<byte value="xd"/>ao receber a string “password:”, após a conexão, o microterminal enviará para o servidor, o parâmetro configurado neste campo.</source>
        <translation>Valid values: Typed field. It may be any string of at most 15 characters.
<byte value="xd"/>Purpose: Gives the user&apos;s password to the system. When the TCP Connection field is set to System and the Protocol is set to Telnet,
<byte value="xd"/>on receiving the string “password:” after connecting, the microterminal sends the parameter configured in this field to the server.</translation>
    </message>
    <message>
        <source>Valores válidos: Campo digitado. Poderão ser digitados somente números, com no máximo 15 dígitos.
<byte value="xd"/>Função: Informar o CNPJ da empresa ao sistema Quando o campo Conexão TCP estiver configurado como System e Protocolo estiver configurado como Telnet,
<byte value="xd"/>ao receber a string “cgc:”, após a conexão, o microterminal enviará para o servidor, o parâmetro configurado neste campo.</source>
        <translation>Valid values: Typed field. Only digits may be typed, at most 15 of them.
<byte value="xd"/>Purpose: Gives the company&apos;s CNPJ to the system. When the TCP Connection field is set to System and the Protocol is set to Telnet,
<byte value="xd"/>on receiving the string “cgc:” after connecting, the microterminal sends the parameter configured in this field to the server.</translation>
    </message>
    <message>
        <source>Valores válidos: Programado em Fábrica
<byte value="xd"/>Função: Assinalar a placa seu endereço de hardware. Este valor é programado na fábrica e não poderá ser modificado.
<byte value="xd"/>O Acesso também é protegido por senha, diferente da senha de configuração.</source>
        <translation>Valid values: Programmed at the Factory
<byte value="xd"/>Purpose: Gives the board its hardware address. This value is programmed at the factory and cannot be changed.
<byte value="xd"/>Access is also protected by a password, different from the configuration password.</translation>
    </message>
    <message>
        <source>Função: Determinar o endereço IP do terminal.
<byte value="xd"/>VIDE MANUAL</source>
        <translation>Purpose: Sets the terminal&apos;s IP address.
<byte value="xd"/>SEE THE MANUAL</translation>
    </message>
    <message>
        <source>Função: Determinar o valor da porta local do terminal.
<byte value="xd"/>Será a porta que o terminal abrirá para comunicar-se com a rede Ethernet.
<byte value="xd"/>Recomenda-se utilizar valores de 1024 a 9999, pois de 0 a 1023 são portas reservadas para alguns serviços como http, ftp, Telnet e outros.</source>
        <translation>Purpose: Sets the value of the terminal&apos;s local port.
<byte value="xd"/>It is the port the terminal opens to communicate with the Ethernet network.
<byte value="xd"/>Values from 1024 to 9999 are recommended, since 0 to 1023 are ports reserved for services such as http, ftp, Telnet and others.</translation>
    </message>
    <message>
        <source>Função: Determina o IP remoto, este valor será o IP onde o terminal tentará conectar
<byte value="xd"/>quanto estiver no modo client, e servirá como ‘firewall’ quando o terminal estiver operando como server,
<byte value="xd"/>caso o valor seja diferente de ‘0.0.0.0’.</source>
        <translation>Purpose: Sets the remote IP, the IP the terminal tries to connect to
<byte value="xd"/>when in client mode; it serves as a ‘firewall’ when the terminal operates as server,
<byte value="xd"/>if the value differs from ‘0.0.0.0’.</translation>
    </message>
    <message>
        <source>Função: Determina a Porta remota, este valor será a Porta onde o terminal tentará conectar
<byte value="xd"/>quanto estiver no modo client, e servirá como ‘firewall’ quando o terminal estiver operando como server, caso o valor seja diferente de ‘0000’.</source>
        <translation>Purpose: Sets the remote Port, the Port the terminal tries to connect to
<byte value="xd"/>when in client mode; it serves as a ‘firewall’ when the terminal operates as server, if the value differs from ‘0000’.</translation>
    </message>
    <message>
        <source>Função: Define o endereço de um Gateway, caso exista na rede. Se não houver um instalado, o valor deverá ser configurado como ‘0.0.0.0’.
<byte value="xd"/>Também é necessário que os IPs Origem e Destino estejam na mesma rede local e que esteja utilizando a máscara
<byte value="xd"/>adequada, por exemplo, um computador com IP 1.1.1.1 não poderá conectar-se a um computador com IP 1.1.2.1, se a máscara da rede for
<byte value="xd"/>255.255.255.0, pois o valor da máscara é comparado com o endereço IP, portanto embora conectados ao mesmo cabo eles não se comunicam.</source>
        <translation>Purpose: Sets the address of a Gateway, if the network has one. If none is installed, the value must be set to ‘0.0.0.0’.
<byte value="xd"/>The Source and Destination IPs must also be on the same local network and use the right
<byte value="xd"/>mask; for example, a computer with IP 1.1.1.1 cannot connect to a computer with IP 1.1.2.1 if the network mask is
<byte value="xd"/>255.255.255.0, since the mask is compared with the IP address; so although connected to the same cable they do not communicate.</translation>
    </message>
    <message>
        <source>Função: Define o valor da mascara de sub-rede. Este determinará quais IPs estarão acessando a mesma sub-rede.
<byte value="xd"/>Por exemplo, a máscara 255.255.0.0 permite utilizar os dois últimos octetos para controle dos IPs.</source>
        <translation>Purpose: Sets the subnet mask value. It determines which IPs reach the same subnet.
<byte value="xd"/>For example, the mask 255.255.0.0 lets the last two octets tell the IPs apart.</translation>
    </message>
    <message>
        <source>Valores Padrão: 1000, 2000 e 4000
<byte value="xd"/>Função: Determinar o tempo inicial de espera de resposta para um pacote enviado na rede Ethernet.
<byte value="xd"/>Com estes valores obtêm-se um tempo de 100 m/s, 200 m/s e 400 m/s respectivamente. Caso o valor seja ‘0000’, o timeout será definido internamente.</source>
        <translation>Default Values: 1000, 2000 and 4000
<byte value="xd"/>Purpose: Sets the initial time to wait for an answer to a packet sent on the Ethernet network.
<byte value="xd"/>These values give a time of 100 ms, 200 ms and 400 ms respectively. If the value is ‘0000’, the timeout is set internally.</translation>
    </message>
    <message>
        <source>Função: Determinar o número de tentativas de reenvio de um pacote TCP na rede Ethernet.</source>
        <translation>Purpose: Sets the number of attempts to resend a TCP packet on the Ethernet network.</translation>
    </message>
    <message>
        <source>Valores válidos: Automático, 10 Mbit/s ou 100 Mbit/s.
<byte value="xd"/>Função: Determinar a velocidade de conexão na rede. Quando definido como automático a interface de rede
<byte value="xd"/>determinará a melhor conexão a ser efetuada. Quando definido como 10 ou 100 a velocidade ficará fixada independente da capacidade do outro
<byte value="xd"/>lado de efetuar a conexão na mesma velocidade.</source>
        <translation>Valid values: Automatic, 10 Mbit/s or 100 Mbit/s.
<byte value="xd"/>Purpose: Sets the connection speed on the network. When set to automatic, the network interface
<byte value="xd"/>chooses the best connection. When set to 10 or 100 the speed stays fixed whatever the other
<byte value="xd"/>side can do at the same speed.</translation>
    </message>
    <message>
        <source>Valores válidos: Half ou Full.
<byte value="xd"/>Função: Determinar o tipo de fluxo de dados na conexão Ethernet. Quando o parâmetro de velocidade for definido como ‘Automático’,
<byte value="xd"/>este campo não será pedido e também será tratado internamente.</source>
        <translation>Valid values: Half or Full.
<byte value="xd"/>Purpose: Sets the kind of data flow on the Ethernet connection. When the speed parameter is set to ‘Automatic’,
<byte value="xd"/>this field is not asked for and is handled internally.</translation>
    </message>
    <message>
        <source>Valores válidos: Sim ou Não
<byte value="xd"/>Função: Habilitar o uso do leitor smart-card Mifare.</source>
        <translation>Valid values: Yes or No
<byte value="xd"/>Purpose: Enables the Mifare smart-card reader.</translation>
    </message>
    <message>
        <source>Função: Definir o protocolo de comunicação do terminal. Quando a seleção for Telnet, após a conexão o terminal passará a emular o protocolo VT-100, também quando a configuração
<byte value="xd"/>for efetuada para emulação Telnet, deve-se configurar a Porta Remota como 0023.
<byte value="xd"/>VIDE MANUAL</source>
        <translation>Purpose: Sets the terminal&apos;s communication protocol. When Telnet is selected, after connecting the terminal emulates the VT-100 protocol; also when the configuration
<byte value="xd"/>is made for Telnet emulation, the Remote Port must be set to 0023.
<byte value="xd"/>SEE THE MANUAL</translation>
    </message>
    <message>
        <source>Valores válidos: Serial ou Paralela
<byte value="xd"/>Função: Definir a interface de impressão padrão, quando o protocolo de comunicação do Terminal HX2 estiver
<byte value="xd"/>configurado em VT100. A interface de impressão padrão é a saída de impressão definida quando, apenas o comando de abertura de impressão é enviado
<byte value="xd"/>pelo Software (comando ESC[5i). Caso o Software modifique a saída de impressão (comando ESC[?24h ou ESC[?24l), esta saída passará a ser a nova saída de impressão até o
<byte value="xd"/>recebimento de outro comando ou desligamento do equipamento.</source>
        <translation>Valid values: Serial or Parallel
<byte value="xd"/>Purpose: Sets the default printing interface when the communication protocol of the HX2 Terminal is
<byte value="xd"/>set to VT100. The default printing interface is the printing output used when only the command that opens printing is sent
<byte value="xd"/>by the Software (command ESC[5i). If the Software changes the printing output (command ESC[?24h or ESC[?24l), that output becomes the new printing output until
<byte value="xd"/>another command arrives or the equipment is switched off.</translation>
    </message>
    <message>
        <source>Valores válidos: Campo digitado. Poderá ser digitada qualquer string com no máximo 15 caracteres.
<byte value="xd"/>Função: Determinar o nome da conexão Telnet. Este nome é o nome do tipo de Terminfo configurado no servidor para a operação do terminal.
<byte value="xd"/>Ver protocolo Vt-100 no manual.</source>
        <translation>Valid values: Typed field. Any string of at most 15 characters may be typed.
<byte value="xd"/>Purpose: Sets the name of the Telnet connection. This name is the name of the Terminfo type configured on the server for the terminal&apos;s operation.
<byte value="xd"/>See the Vt-100 protocol in the manual.</translation>
    </message>
    <message>
        <source>Valores válidos: chr(8) ou chr(127).
<byte value="xd"/>Função: Determinar o valor de retorno da tecla Backspace, quando configurado com protocolo VT100 ou Telnet.</source>
        <translation>Valid values: chr(8) or chr(127).
<byte value="xd"/>Purpose: Sets the value the Backspace key returns, when configured with the VT100 or Telnet protocol.</translation>
    </message>
    <message>
        <source>Valores válidos: chr(27) ou chr(127)
<byte value="xd"/>Função: Determinar o valor de retorno da tecla Del, quando configurado com protocolo VT100 ou Telnet.</source>
        <translation>Valid values: chr(27) or chr(127)
<byte value="xd"/>Purpose: Sets the value the Del key returns, when configured with the VT100 or Telnet protocol.</translation>
    </message>
    <message>
        <source>Valores válidos: 00 a 99
<byte value="xd"/>Função: Número de décimos de segundos que a tela inicial de espera para entrada na configuração será apresentada.</source>
        <translation>Valid values: 00 to 99
<byte value="xd"/>Purpose: Number of tenths of a second the initial screen waiting for entry into configuration is shown.</translation>
    </message>
    <message>
        <source>Valores válidos: Sim ou Não<byte value="xd"/>Função: Habilitar o uso da serial 0 como porta de entrada para uma interface touch-screen.<byte value="xd"/>Deve-se habilitar a Serial 0 do Terminal com 9600, N, 8, 1 e sem controle de fluxo.</source>
        <translation>Valid values: Yes or No<byte value="xd"/>Purpose: Enables the use of serial 0 as the input port of a touch-screen interface.<byte value="xd"/>The terminal&apos;s Serial 0 must be enabled with 9600, N, 8, 1 and no flow control.</translation>
    </message>
    <message>
        <source>Valores válidos: H-   V-, H+   V-, H-   V+ ou H+   V+<byte value="xd"/>Função:Configurar os sinais de vídeo de forma a imagem ficar o mais centralizada possível no monitor.<byte value="xd"/>Por default o valor é H-V+, porém se com este valor a imagem não centralizar ( ao menos na vertical ),<byte value="xd"/>pode-se utilizar este parâmetro antes de fazer modificações nos ajustes do próprio monitor.</source>
        <translation>Valid values: H-   V-, H+   V-, H-   V+ or H+   V+<byte value="xd"/>Purpose: Sets the video signals so that the picture is as centred as possible on the monitor.<byte value="xd"/>By default the value is H-V+, but if the picture is not centred with this value (at least vertically),<byte value="xd"/>this parameter can be used before changing the monitor&apos;s own adjustments.</translation>
    </message>
    <message>
        <source>Solicita ao Terminal o Status</source>
        <translation>Asks the Terminal for its Status</translation>
    </message>
    <message>
        <source>Realiza a leitura das configurações existentes no Terminal</source>
        <translation>Reads the configuration held in the Terminal</translation>
    </message>
    <message>
        <source>Desbloqueia o Terminal permitindo gravar as alterações realizadas</source>
        <translation>Unlocks the Terminal so that the changes can be written</translation>
    </message>
    <message>
        <source>Executa a gravação dos novos parâmetros</source>
        <translation>Writes the new parameters</translation>
    </message>
    <message>
        <source>Executa a leitura de um arquivo de inicialização contendo a configuração padrão da empresa<byte value="xd"/>Local do Arquivo INI: </source>
        <translation>Reads an initialisation file holding the company&apos;s default configuration<byte value="xd"/>INI File Location: </translation>
    </message>
    <message>
        <source>Reinicia o terminal para que os novos parâmetros entrem em funcionamento</source>
        <translation>Reboots the terminal so that the new parameters take effect</translation>
    </message>
</context>
</TS>
