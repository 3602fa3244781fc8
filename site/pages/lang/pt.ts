<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>Message</name>
    <message>
        <source>Type a domain name, such as example.com.</source>
        <translation>Escreva um nome de domínio, por exemplo example.com.</translation>
    </message>
    <message>
        <source>A domain name holds no blanks, line breaks or control characters.</source>
        <translation>Um nome de domínio não contém espaços, quebras de linha nem caracteres de controlo.</translation>
    </message>
    <message>
        <source>A domain name does not start with a hyphen.</source>
        <translation>Um nome de domínio não começa por um hífen.</translation>
    </message>
    <message>
        <source>This is not a valid domain name.</source>
        <translation>Este não é um nome de domínio válido.</translation>
    </message>
    <message>
        <source>A domain name has at most 253 characters.</source>
        <translation>Um nome de domínio tem no máximo 253 caracteres.</translation>
    </message>
    <message>
        <source>A domain name has no empty labels (two dots in a row).</source>
        <translation>Um nome de domínio não tem etiquetas vazias (dois pontos seguidos).</translation>
    </message>
    <message>
        <source>Each part of a domain name has at most 63 characters.</source>
        <translation>Cada parte de um nome de domínio tem no máximo 63 caracteres.</translation>
    </message>
    <message>
        <source>No part of a domain name starts or ends with a hyphen.</source>
        <translation>Nenhuma parte de um nome de domínio começa nem termina com um hífen.</translation>
    </message>
    <message>
        <source>A domain name holds only letters, digits, hyphens and dots.</source>
        <translation>Um nome de domínio só contém letras, algarismos, hífenes e pontos.</translation>
    </message>
    <message>
        <source>An AS number is a whole number from 0 to 4294967295.</source>
        <translation>Um número AS é um número inteiro de 0 a 4294967295.</translation>
    </message>
    <message>
        <source>This is not a valid IPv6 address.</source>
        <translation>Este não é um endereço IPv6 válido.</translation>
    </message>
    <message>
        <source>An IPv4 address is four numbers from 0 to 255, such as 192.0.2.1.</source>
        <translation>Um endereço IPv4 é formado por quatro números de 0 a 255, por exemplo 192.0.2.1.</translation>
    </message>
    <message>
        <source>A network&apos;s prefix length is a number from 0 to 32 for IPv4 and from 0 to 128 for IPv6.</source>
        <translation>O comprimento do prefixo de uma rede é um número de 0 a 32 para IPv4 e de 0 a 128 para IPv6.</translation>
    </message>
    <message>
        <source>An IPv4-mapped network has a prefix length from 96 to 128.</source>
        <translation>Uma rede IPv4 mapeada em IPv6 tem um comprimento de prefixo de 96 a 128.</translation>
    </message>
    <message>
        <source>%1 is a %2 %3 (%4); no registry holds a record for it.</source>
        <extracomment>%1: the address, network or AS number as asked; %2: its kind (a word: &quot;private&quot;, &quot;documentation&quot;); %3: what it is (a word: &quot;address&quot;, &quot;network&quot;); %4: where the kind is defined (&quot;RFC 1918&quot;), or a nested reason</extracomment>
        <translation>%1 (%3) pertence a um intervalo especial: %2 (%4); não consta de nenhum registo.</translation>
    </message>
    <message>
        <source>%1 is an %2 %3 (%4); no registry holds a record for it.</source>
        <extracomment>The same as the sentence with &quot;a&quot;: English needs &quot;an&quot; before a vowel sound; translate both alike.</extracomment>
        <translation>%1 (%3) pertence a um intervalo especial: %2 (%4); não consta de nenhum registo.</translation>
    </message>
    <message>
        <source>%1, carrying the %3 address %2</source>
        <extracomment>%1: the defining document (&quot;RFC 6052&quot;); %2: the IPv4 address carried; %3: its kind (a word)</extracomment>
        <translation>%1, que incorpora o endereço %2, do tipo %3</translation>
    </message>
    <message>
        <source>not an address</source>
        <translation>não é um endereço</translation>
    </message>
    <message>
        <source>the name %1 could not be resolved</source>
        <extracomment>%1: a host name</extracomment>
        <translation>não foi possível resolver o nome %1</translation>
    </message>
    <message>
        <source>%1 is at %2, which is not a public address</source>
        <extracomment>%1: a host name; %2: the address it resolves to</extracomment>
        <translation>%1 corresponde a %2, que não é um endereço público</translation>
    </message>
    <message>
        <source>%1 is not an http or https address</source>
        <extracomment>%1: an address (URL) that a server named</extracomment>
        <translation>%1 não é um endereço http ou https</translation>
    </message>
    <message>
        <source>no complete answer within %1 s</source>
        <extracomment>%1: a number of seconds</extracomment>
        <translation>sem resposta completa no prazo de %1 s</translation>
    </message>
    <message>
        <source>no connection within %1 s</source>
        <extracomment>%1: a number of seconds</extracomment>
        <translation>sem ligação no prazo de %1 s</translation>
    </message>
    <message>
        <source>a redirect was refused: %1</source>
        <extracomment>%1: why (a reason of its own)</extracomment>
        <translation>redirecionamento recusado: %1</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sem resposta</translation>
    </message>
    <message>
        <source>an HTTP status that is no answer (%1)</source>
        <extracomment>%1: an HTTP status number</extracomment>
        <translation>um estado HTTP que não é uma resposta (%1)</translation>
    </message>
    <message>
        <source>the lookup service redirected too often</source>
        <translation>o serviço de pesquisa redirecionou demasiadas vezes</translation>
    </message>
    <message>
        <source>The RDAP bootstrap file could not be read: its fetch was abandoned</source>
        <translation>Não foi possível ler o ficheiro bootstrap do RDAP: a transferência foi cancelada</translation>
    </message>
    <message>
        <source>status %1</source>
        <extracomment>%1: an HTTP status number</extracomment>
        <translation>estado %1</translation>
    </message>
    <message>
        <source>the file is too long</source>
        <translation>o ficheiro é demasiado longo</translation>
    </message>
    <message>
        <source>the file is not a bootstrap file</source>
        <translation>o ficheiro não é um ficheiro bootstrap</translation>
    </message>
    <message>
        <source>The RDAP bootstrap file could not be read: %1</source>
        <extracomment>%1: why (a reason of its own)</extracomment>
        <translation>Não foi possível ler o ficheiro bootstrap do RDAP: %1</translation>
    </message>
    <message>
        <source>Too many lookups from your address are under way. Try again in 5 s.</source>
        <translation>Estão em curso demasiadas pesquisas a partir do seu endereço. Tente novamente dentro de 5 s.</translation>
    </message>
    <message>
        <source>%1 is not registered.</source>
        <extracomment>%1: the domain name</extracomment>
        <translation>%1 não está registado.</translation>
    </message>
    <message>
        <source>No registry holds a record for %1.</source>
        <extracomment>%1: the address, network or AS number</extracomment>
        <translation>Nenhum registo tem dados sobre %1.</translation>
    </message>
    <message>
        <source>The registry is limiting how often it is asked. Try again later.</source>
        <translation>O registo está a limitar a frequência das consultas. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>The lookup took longer than %1 s and was given up.</source>
        <extracomment>%1: a number of seconds</extracomment>
        <translation>A pesquisa demorou mais de %1 s e foi cancelada.</translation>
    </message>
    <message>
        <source>%1; whois was asked instead.</source>
        <extracomment>%1: why RDAP could not be used (a sentence of its own)</extracomment>
        <translation>%1; em alternativa, foi consultado o whois.</translation>
    </message>
    <message>
        <source>The registry&apos;s lookup service (%1) could not be asked: %2.</source>
        <extracomment>%1: the registry server&apos;s host name; %2: why (a reason of its own)</extracomment>
        <translation>Não foi possível consultar o serviço de pesquisa do registo (%1): %2.</translation>
    </message>
    <message>
        <source>The registry&apos;s lookup service answered with status %1.</source>
        <extracomment>%1: an HTTP status number</extracomment>
        <translation>O serviço de pesquisa do registo respondeu com o estado %1.</translation>
    </message>
    <message>
        <source>The registry&apos;s record was longer than the site reads and could not be read.</source>
        <translation>Os dados do registo eram demasiado longos para o site e não foi possível lê-los.</translation>
    </message>
    <message>
        <source>The registry&apos;s answer is not a record the site can read.</source>
        <translation>A resposta do registo não contém dados que o site consiga ler.</translation>
    </message>
    <message>
        <source>not a record the site can read</source>
        <translation>não são dados que o site consiga ler</translation>
    </message>
    <message>
        <source>The registrar&apos;s record (%1) could not be read: %2.</source>
        <extracomment>%1: the registrar server&apos;s host name; %2: why (a reason of its own)</extracomment>
        <translation>Não foi possível ler os dados do agente de registo (%1): %2.</translation>
    </message>
    <message>
        <source>refused to ask it: %1</source>
        <extracomment>%1: why (a reason of its own)</extracomment>
        <translation>consulta recusada: %1</translation>
    </message>
    <message>
        <source>it closed the connection without an answer</source>
        <translation>fechou a ligação sem responder</translation>
    </message>
    <message>
        <source>The registrar&apos;s whois server %1 could not be asked: %2.</source>
        <extracomment>%1: a whois server (host name, perhaps with a port); %2: why (a reason of its own)</extracomment>
        <translation>Não foi possível consultar o servidor whois %1 do agente de registo: %2.</translation>
    </message>
    <message>
        <source>The whois server %1 that the registry refers to could not be asked: %2.</source>
        <extracomment>%1: a whois server (host name, perhaps with a port); %2: why (a reason of its own)</extracomment>
        <translation>Não foi possível consultar o servidor whois %1 indicado pelo registo: %2.</translation>
    </message>
    <message>
        <source>The whois server %1 could not be asked: %2.</source>
        <extracomment>%1: a whois server (host name, perhaps with a port); %2: why (a reason of its own)</extracomment>
        <translation>Não foi possível consultar o servidor whois %1: %2.</translation>
    </message>
    <message>
        <source>The whois server %1 that the registry refers to is limiting how often it is asked; its record is left out.</source>
        <extracomment>%1: a whois server (host name, perhaps with a port)</extracomment>
        <translation>O servidor whois %1 indicado pelo registo está a limitar a frequência das consultas; os seus dados são omitidos.</translation>
    </message>
    <message>
        <source>There is no lookup service for the extension .%1.</source>
        <extracomment>%1: the extension, without its dot (&quot;com&quot;)</extracomment>
        <translation>Não existe nenhum serviço de pesquisa para a extensão .%1.</translation>
    </message>
    <message>
        <source>There is no lookup service for %1.</source>
        <extracomment>%1: the address, network or AS number</extracomment>
        <translation>Não existe nenhum serviço de pesquisa para %1.</translation>
    </message>
    <message>
        <source>%1 is reserved or blocked by the registry and cannot be registered.</source>
        <extracomment>%1: the domain name</extracomment>
        <translation>%1 está reservado ou bloqueado pelo registo e não pode ser registado.</translation>
    </message>
    <message>
        <source>.%1 is not a top-level domain of the root zone.</source>
        <extracomment>%1: what was asked, without a dot (&quot;qqq&quot;)</extracomment>
        <translation>.%1 não é um domínio de topo da zona raiz.</translation>
    </message>
    <message>
        <source>%1; IANA&apos;s whois was asked instead.</source>
        <extracomment>%1: why IANA&apos;s RDAP service could not be used (a sentence of its own)</extracomment>
        <translation>%1; em alternativa, foi consultado o whois da IANA.</translation>
    </message>
    <message>
        <source>Not asked: your address has asked many registries lately.</source>
        <translation>Não consultado: o seu endereço consultou muitos registos ultimamente.</translation>
    </message>
    <message>
        <source>The registry&apos;s lookup service answered with status %1: %2.</source>
        <extracomment>%1: an HTTP status number; %2: the registry&apos;s own words, as it sent them (often English)</extracomment>
        <translation>O serviço de pesquisa do registo respondeu com o estado %1: %2.</translation>
    </message>
    <message>
        <source>status %1: %2</source>
        <extracomment>%1: an HTTP status number; %2: the server&apos;s own words, as it sent them (often English)</extracomment>
        <translation>estado %1: %2</translation>
    </message>
    <message>
        <source>%1 looks like a contact&apos;s handle. Handles are not looked up here: type the domain name, address or AS number whose record names it.</source>
        <extracomment>%1: what was typed, such as SD12478-RIPE. &quot;record&quot;: the registration record (the data), not the registry.</extracomment>
        <translation>%1 parece o identificador (handle) de um contacto. Os identificadores não são consultados aqui: escreva o nome de domínio, o endereço ou o número AS cujos dados o mencionam.</translation>
    </message>
    <message>
        <source>At most %1 extensions can be checked at once.</source>
        <extracomment>%1: a number (50)</extracomment>
        <translation>Podem verificar-se no máximo %1 extensões de cada vez.</translation>
    </message>
    <message>
        <source>the server did not prove that it is %1 (%2), so nothing was asked of it</source>
        <extracomment>%1: a server&apos;s host name; %2: why (a reason of its own)</extracomment>
        <translation>o servidor não provou que é %1 (%2), por isso nada lhe foi perguntado</translation>
    </message>
    <message>
        <source>its certificate is for another name</source>
        <extracomment>Why a server&apos;s certificate was refused: said inside &quot;the server did not prove that it is %1 (…)&quot;</extracomment>
        <translation>o seu certificado é para outro nome</translation>
    </message>
    <message>
        <source>its certificate is signed by itself, not by a certificate authority</source>
        <extracomment>Why a server&apos;s certificate was refused: said inside &quot;the server did not prove that it is %1 (…)&quot;</extracomment>
        <translation>o seu certificado é assinado por ele próprio, não por uma autoridade de certificação</translation>
    </message>
    <message>
        <source>its certificate has expired or is not yet valid</source>
        <extracomment>Why a server&apos;s certificate was refused: said inside &quot;the server did not prove that it is %1 (…)&quot;</extracomment>
        <translation>o seu certificado expirou ou ainda não é válido</translation>
    </message>
    <message>
        <source>its certificate is from an authority that is not trusted</source>
        <extracomment>Why a server&apos;s certificate was refused: said inside &quot;the server did not prove that it is %1 (…)&quot;</extracomment>
        <translation>o seu certificado é de uma autoridade que não é de confiança</translation>
    </message>
    <message>
        <source>%1 would be asked in plain text, after a question asked over https</source>
        <extracomment>Why a redirect was refused. %1: the address (URL) it leads to, which begins with http://</extracomment>
        <translation>%1 seria consultado em texto simples, depois de uma pergunta feita por https</translation>
    </message>
    <message>
        <source>The registry answered, but its answer does not say whether %1 is registered.</source>
        <extracomment>Under the verdict &quot;Unknown&quot;: the registry&apos;s answer (the page shows it whole) has no wording the site knows and no field it reads. %1: the domain name.</extracomment>
        <translation>O registo respondeu, mas a sua resposta não diz se %1 está registado.</translation>
    </message>
    <message>
        <source>%1, line %2: “%3”</source>
        <extracomment>What a verdict rests on, shown under it: the line of a whois server&apos;s answer that decided. %1: the server&apos;s host name; %2: the line&apos;s number in the answer; %3: the line itself, as the server sent it (in its language).</extracomment>
        <translation>%1, linha %2: «%3»</translation>
    </message>
    <message>
        <source>%1 answered with HTTP status %2</source>
        <extracomment>What a verdict rests on: the status of the registry&apos;s RDAP answer. %1: the address (URL) asked; %2: the HTTP status, a number such as 404.</extracomment>
        <translation>%1 respondeu com o estado HTTP %2</translation>
    </message>
    <message>
        <source>%1 answered, but no line of its answer is about %2 being registered or not</source>
        <extracomment>What the verdict &quot;Unknown&quot; rests on: an answer with no line that says. %1: the server; %2: the domain name.</extracomment>
        <translation>%1 respondeu, mas nenhuma linha da sua resposta diz se %2 está registado</translation>
    </message>
    <message>
        <source>the DNS delegates %1 to name servers</source>
        <extracomment>What the verdict &quot;Registered&quot; rests on in a check of a name in many extensions: the DNS names name servers for it, which only a registered name has. %1: the domain name.</extracomment>
        <translation>o DNS delega %1 em servidores de nomes</translation>
    </message>
    <message>
        <source>The registry refused the question about %1, so its answer does not say whether it is registered.</source>
        <extracomment>The registry would not answer the question (an invalid query, or a name outside the extensions it serves), so nothing says whether the name is registered. %1: the domain name.</extracomment>
        <translation>O registo recusou a pergunta sobre %1, pelo que a sua resposta não diz se está registado.</translation>
    </message>
    <message>
        <source>%1 lies within the domain %2.</source>
        <extracomment>%1: a host name such as www.example.com; %2: the registered domain it lies in (example.com). The verdict that follows is about %2.</extracomment>
        <translation>%1 pertence ao domínio %2.</translation>
    </message>
    <message>
        <source>The lookup service is busy. Try again in %1.</source>
        <extracomment>%1: a wait, as people say it: &quot;45 s&quot;, &quot;2 min&quot;, &quot;59 min 36 s&quot;, &quot;1 h 5 min&quot; (units h, min, s)</extracomment>
        <translation>O serviço de pesquisa está ocupado. Tente novamente dentro de %1.</translation>
    </message>
    <message>
        <source>Your address has asked for many lookups lately. Try again in %1.</source>
        <extracomment>%1: a wait, as people say it: &quot;45 s&quot;, &quot;2 min&quot;, &quot;59 min 36 s&quot;, &quot;1 h 5 min&quot; (units h, min, s)</extracomment>
        <translation>Foram pedidas muitas pesquisas a partir do seu endereço nos últimos tempos. Tente novamente dentro de %1.</translation>
    </message>
    <message>
        <source>The registry is limiting how often it is asked. Try again in %1.</source>
        <extracomment>%1: a wait, as people say it: &quot;45 s&quot;, &quot;2 min&quot;, &quot;59 min 36 s&quot;, &quot;1 h 5 min&quot; (units h, min, s)</extracomment>
        <translation>O registo está a limitar a frequência das consultas. Tente novamente dentro de %1.</translation>
    </message>
    <message>
        <source>The site is pacing its questions to %1 so as not to be blocked there; its record is left out. Try again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>O site está a espaçar as consultas a %1 para não ser bloqueado; os seus dados são omitidos. Tente novamente dentro de %2.</translation>
    </message>
    <message>
        <source>The site is pacing its questions to %1 so as not to be blocked there. Try again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>O site está a espaçar as consultas a %1 para não ser bloqueado. Tente novamente dentro de %2.</translation>
    </message>
    <message>
        <source>The registry&apos;s lookup service (%1) has failed again and again; it is asked again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>O serviço de pesquisa do registo (%1) falhou repetidamente; voltará a ser consultado dentro de %2.</translation>
    </message>
    <message>
        <source>%1 is limiting how often it is asked; its record is left out. Try again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>%1 limita a frequência das consultas; os seus dados não são apresentados. Tente novamente dentro de %2.</translation>
    </message>
    <message>
        <source>%1 has failed again and again; its record is left out. Try again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>%1 falhou repetidamente; os seus dados não são apresentados. Tente novamente dentro de %2.</translation>
    </message>
    <message>
        <source>No record names an abuse contact for %1.</source>
        <extracomment>Who to tell of abuse: no record asked names an abuse contact. %1: the domain name, address or network.</extracomment>
        <translation>Nenhum registo indica um contacto de abuso para %1.</translation>
    </message>
    <message>
        <source>%1 could not be looked up: %2</source>
        <extracomment>Who to tell of abuse: one of the further lookups failed. %1: a domain name, address or network; %2: why.</extracomment>
        <translation>Não foi possível consultar %1: %2</translation>
    </message>
    <message>
        <source>Your lookups for now are spent, so the rest was not looked up. Try again in %1.</source>
        <extracomment>Who to tell of abuse: the further lookups stopped at the client&apos;s budget. %1: a duration (&quot;5 min 3 s&quot;).</extracomment>
        <translation>As suas consultas esgotaram-se por agora, por isso o resto não foi consultado. Tente de novo dentro de %1.</translation>
    </message>
    <message>
        <source>The site has no DNS resolver, so the networks that host %1 were not looked for.</source>
        <extracomment>Who to tell of abuse: the site cannot ask the DNS for a domain&apos;s addresses. %1: the domain name.</extracomment>
        <translation>O site não tem resolvedor DNS, por isso as redes que alojam %1 não foram procuradas.</translation>
    </message>
    <message>
        <source>The DNS gives no address for %1 or its name servers.</source>
        <extracomment>Who to tell of abuse: the DNS gives no address for the domain or its name servers. %1: the domain name.</extracomment>
        <translation>O DNS não dá nenhum endereço para %1 nem para os seus servidores de nomes.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Domain name</source>
        <translation>Nome de domínio</translation>
    </message>
    <message>
        <source>Look up</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Quelcor whois lookup</source>
        <translation>Pesquisa whois do Quelcor</translation>
    </message>
    <message>
        <source>From the site&apos;s cache: looked up %1 s ago.</source>
        <translation>Da cache do site: pesquisa feita há %1 s.</translation>
    </message>
    <message>
        <source>Record from %1</source>
        <translation>Dados de %1</translation>
    </message>
    <message>
        <source>The record was longer than 1 MiB; only its beginning is shown.</source>
        <translation>Os dados ultrapassavam 1 MiB; só é mostrado o início.</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Whois lookup&lt;/h1&gt;&lt;p&gt;Type a domain name, such as &lt;b&gt;example.com&lt;/b&gt;, and press &lt;b&gt;Look up&lt;/b&gt; to see who registered it, with which registrar, and until when.&lt;/p&gt;&lt;p&gt;An IP address such as &lt;b&gt;8.8.8.8&lt;/b&gt;, a network such as &lt;b&gt;8.8.8.0/24&lt;/b&gt; or an AS number such as &lt;b&gt;AS15169&lt;/b&gt; shows who holds it.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Pesquisa whois&lt;/h1&gt;&lt;p&gt;Escreva um nome de domínio, por exemplo &lt;b&gt;example.com&lt;/b&gt;, e prima &lt;b&gt;Pesquisar&lt;/b&gt; para ver quem o registou, com que agente de registo e até quando.&lt;/p&gt;&lt;p&gt;Para um endereço IP como &lt;b&gt;8.8.8.8&lt;/b&gt;, uma rede como &lt;b&gt;8.8.8.0/24&lt;/b&gt; ou um número AS como &lt;b&gt;AS15169&lt;/b&gt;, é mostrado quem é o seu titular.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domínio</translation>
    </message>
    <message>
        <source>Registrar</source>
        <extracomment>The role of an abuse contact (and a field&apos;s label): the domain&apos;s registrar</extracomment>
        <translation>Agente de registo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Registered</source>
        <translation>Data de registo</translation>
    </message>
    <message>
        <source>Expires</source>
        <translation>Data de expiração</translation>
    </message>
    <message>
        <source>Name servers</source>
        <translation>Servidores de nomes</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Titular</translation>
    </message>
    <message>
        <source>Abuse contact</source>
        <translation>Contacto para abusos</translation>
    </message>
    <message>
        <source>Last changed</source>
        <translation>Última alteração</translation>
    </message>
    <message>
        <source>Download Quelcor</source>
        <translation>Descarregar o Quelcor</translation>
    </message>
    <message>
        <source>&lt;p&gt;The current version of Quelcor is &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Quelcor looks up the registration records of domain names. Install it over the older version: your language choice is kept.&lt;/p&gt;</source>
        <translation>&lt;p&gt;A versão atual do Quelcor é a &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;O Quelcor pesquisa os dados de registo dos nomes de domínio. Instale-o por cima da versão anterior: a escolha de idioma é mantida.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Quelcor forum</source>
        <translation>Fórum do Quelcor</translation>
    </message>
    <message>
        <source>&lt;p&gt;Users of Quelcor help one another here: questions about lookups, language drivers and updates.&lt;/p&gt;&lt;p&gt;Before asking, try the &lt;a href=&quot;%1&quot;&gt;lookup page&lt;/a&gt; in a desktop browser.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Aqui os utilizadores do Quelcor ajudam-se uns aos outros: perguntas sobre pesquisas, controladores de idioma e atualizações.&lt;/p&gt;&lt;p&gt;Antes de perguntar, experimente a &lt;a href=&quot;%1&quot;&gt;página de pesquisa&lt;/a&gt; num navegador de computador.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Report a bug</source>
        <translation>Comunicar um erro</translation>
    </message>
    <message>
        <source>&lt;p&gt;Tell us what you did, what you expected and what happened instead, and give the version that the about window shows.&lt;/p&gt;&lt;p&gt;Write to the address shown in the about window.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Diga-nos o que fez, o que esperava e o que aconteceu em vez disso, e indique a versão apresentada na janela «Acerca do Quelcor».&lt;/p&gt;&lt;p&gt;Escreva para o endereço indicado na janela «Acerca do Quelcor».&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Quelcor is a small desktop program for looking up the registration records (whois records) of internet domain names.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;a href=&quot;%1&quot;&gt;Download&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%2&quot;&gt;Look a domain up&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%3&quot;&gt;Forum&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%4&quot;&gt;Report a bug&lt;/a&gt;&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;p&gt;O Quelcor é um pequeno programa para computador que pesquisa os dados de registo (dados whois) dos nomes de domínio da Internet.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;a href=&quot;%1&quot;&gt;Descarregar&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%2&quot;&gt;Pesquisar um domínio&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%3&quot;&gt;Fórum&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%4&quot;&gt;Comunicar um erro&lt;/a&gt;&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;ul&gt;&lt;li&gt;&lt;a href=&quot;%1&quot;&gt;Quelcor&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%2&quot;&gt;Look a domain up&lt;/a&gt;&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;ul&gt;&lt;li&gt;&lt;a href=&quot;%1&quot;&gt;Quelcor&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%2&quot;&gt;Pesquisar um domínio&lt;/a&gt;&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Page not found</source>
        <translation>Página não encontrada</translation>
    </message>
    <message>
        <source>&lt;p&gt;There is no such page here. Try the &lt;a href=&quot;%1&quot;&gt;product page&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Esta página não existe. Experimente a &lt;a href=&quot;%1&quot;&gt;página do produto&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>How a date is written, in Qt&apos;s date format: d the day, MMMM the month&apos;s name, yyyy the year; text in quotes stays as it is (Spanish: d &apos;de&apos; MMMM &apos;de&apos; yyyy)</extracomment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>A button that copies the text beside it to the clipboard</extracomment>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copied</source>
        <extracomment>The copy button once it has copied</extracomment>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>A link that saves a record as a file</extracomment>
        <translation>Descarregar</translation>
    </message>
    <message>
        <source>expires today</source>
        <extracomment>Of a domain name&apos;s registration</extracomment>
        <translation>expira hoje</translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <extracomment>How long a registration has left (&quot;expires 3 May 2027, in 146 days&quot;), or how long ago it ran out</extracomment>
        <translation>
            <numerusform>dentro de %n dia</numerusform>
            <numerusform>dentro de %n dias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>expired %n day(s) ago</source>
        <translation>
            <numerusform>expirou há %n dia</numerusform>
            <numerusform>expirou há %n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>DNSSEC</source>
        <translation>DNSSEC</translation>
    </message>
    <message>
        <source>signed</source>
        <translation>assinado</translation>
    </message>
    <message>
        <source>not signed</source>
        <translation>não assinado</translation>
    </message>
    <message>
        <source>Registrar&apos;s IANA id</source>
        <translation>ID IANA do agente de registo</translation>
    </message>
    <message>
        <source>Registrar&apos;s web site</source>
        <translation>Site do agente de registo</translation>
    </message>
    <message>
        <source>Top-level domain</source>
        <translation>Domínio de topo</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Gestor</translation>
    </message>
    <message>
        <source>Whois server</source>
        <translation>Servidor whois</translation>
    </message>
    <message>
        <source>RDAP service</source>
        <translation>Serviço RDAP</translation>
    </message>
    <message>
        <source>held by %1</source>
        <extracomment>%1: who holds a domain name, an address range or AS numbers</extracomment>
        <translation>titular: %1</translation>
    </message>
    <message>
        <source>registrar %1</source>
        <extracomment>%1: the registrar&apos;s name</extracomment>
        <translation>agente de registo: %1</translation>
    </message>
    <message>
        <source>expires %1, %2</source>
        <extracomment>%1: a date; %2: how long is left (&quot;in 146 days&quot;)</extracomment>
        <translation>expira a %1, %2</translation>
    </message>
    <message>
        <source>in its redemption period: only the holder can still renew it</source>
        <translation>no período de resgate: só o titular ainda o pode renovar</translation>
    </message>
    <message>
        <source>about to be deleted by the registry</source>
        <translation>prestes a ser eliminado pelo registo</translation>
    </message>
    <message>
        <source>expired</source>
        <translation>expirado</translation>
    </message>
    <message>
        <source>since %1</source>
        <extracomment>%1: a date</extracomment>
        <translation>desde %1</translation>
    </message>
    <message>
        <source>managed by %1</source>
        <extracomment>%1: the organisation that runs a top-level domain</extracomment>
        <translation>gerido por %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;A top-level domain such as &lt;b&gt;de&lt;/b&gt; shows who runs it and where its registry answers.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Um domínio de topo como &lt;b&gt;de&lt;/b&gt; mostra quem o gere e onde responde o seu registo.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Each row comes as its registry answers. Type &lt;b&gt;name.*&lt;/b&gt; for the usual extensions, or name them: &lt;b&gt;name.{de,fr,it}&lt;/b&gt;. A name with name servers in the DNS is registered; the others are asked of their registries.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Cada linha chega quando o seu registo responde. Escreva &lt;b&gt;nome.*&lt;/b&gt; para as extensões habituais, ou indique-as: &lt;b&gt;nome.{de,fr,it}&lt;/b&gt;. Um nome com servidores de nomes no DNS está registado; os outros são consultados nos seus registos.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Extensão</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Resposta</translation>
    </message>
    <message>
        <source>it has name servers</source>
        <extracomment>Of a name found registered from its name servers in the DNS, without asking its registry</extracomment>
        <translation>tem servidores de nomes</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;quelcor.*&lt;/b&gt; shows in which of the usual extensions a name is still free, &lt;b&gt;quelcor.{de,fr,it}&lt;/b&gt; in those named.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;quelcor.*&lt;/b&gt; mostra em quais das extensões habituais um nome ainda está livre, &lt;b&gt;quelcor.{de,fr,it}&lt;/b&gt; nas indicadas.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check %1 in the usual extensions</source>
        <extracomment>%1: a name without extension (&quot;quelcor&quot;)</extracomment>
        <translation>Verificar %1 nas extensões habituais</translation>
    </message>
    <message>
        <source>withheld</source>
        <extracomment>The value of a field that the registry or registrar withholds (RFC 9537 redaction)</extracomment>
        <translation>não publicado</translation>
    </message>
    <message>
        <source>withheld: %1</source>
        <extracomment>The value of a field that the registry or registrar withholds; %1: the reason it gives, in its own words</extracomment>
        <translation>não publicado: %1</translation>
    </message>
    <message>
        <source>%1 (not a date)</source>
        <extracomment>%1: what a record wrote where a date belongs, which is none (&quot;294247-01-10T04:00:54Z&quot;)</extracomment>
        <translation>%1 (não é uma data)</translation>
    </message>
    <message>
        <source>Withheld</source>
        <extracomment>What the record says it withholds, as it names it (&quot;Registrant Name (Server policy)&quot;)</extracomment>
        <translation>Não publicado</translation>
    </message>
    <message>
        <source>Host name</source>
        <extracomment>The host name that was asked, which lies below the registered domain</extracomment>
        <translation>Nome de anfitrião</translation>
    </message>
    <message>
        <source>Host addresses</source>
        <translation>Endereços do anfitrião</translation>
    </message>
    <message>
        <source>Host status</source>
        <translation>Estado do anfitrião</translation>
    </message>
    <message>
        <source>holder withheld</source>
        <extracomment>Of a domain name whose holder the registrar does not show (RFC 9537 redaction)</extracomment>
        <translation>titular não publicado</translation>
    </message>
    <message>
        <source>Watch: its history, a calendar of its dates, a feed of its changes</source>
        <translation>Acompanhar: o seu histórico, um calendário das suas datas, um feed das suas alterações</translation>
    </message>
    <message>
        <source>%1 is not a domain name that can be watched.</source>
        <extracomment>A name asked to be watched that is not one; %1 is what was given.</extracomment>
        <translation>%1 não é um nome de domínio que possa ser acompanhado.</translation>
    </message>
    <message>
        <source>Name the domain names to watch, such as names=example.com,example.org.</source>
        <extracomment>&quot;names=&quot; is the parameter of the address and stays as it is.</extracomment>
        <translation>Indique os nomes de domínio a acompanhar, por exemplo names=example.com,example.org.</translation>
    </message>
    <message>
        <source>At most %1 names can be watched together.</source>
        <translation>Podem acompanhar-se no máximo %1 nomes em conjunto.</translation>
    </message>
    <message>
        <source>What this site saw of %1, newest first: each time something changed.</source>
        <translation>O que este site viu de %1, do mais recente para o mais antigo: cada vez que algo mudou.</translation>
    </message>
    <message>
        <source>Nothing yet: the site looks the name up now, and again as its dates near. Come back later.</source>
        <translation>Ainda nada: o site pesquisa o nome agora, e de novo quando as suas datas se aproximarem. Volte mais tarde.</translation>
    </message>
    <message>
        <source>Seen</source>
        <extracomment>The heading of a column of dates and times (UTC) at which the site saw a change.</extracomment>
        <translation>Visto em</translation>
    </message>
    <message>
        <source>What changed</source>
        <translation>O que mudou</translation>
    </message>
    <message>
        <source>Watch</source>
        <extracomment>A heading, above the addresses of the name&apos;s calendar and feed.</extracomment>
        <translation>Acompanhamento</translation>
    </message>
    <message>
        <source>Calendar of its dates (iCalendar)</source>
        <translation>Calendário das suas datas (iCalendar)</translation>
    </message>
    <message>
        <source>Feed of its changes (Atom)</source>
        <translation>Feed das suas alterações (Atom)</translation>
    </message>
    <message>
        <source>History as JSON</source>
        <translation>Histórico em JSON</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>Histórico de %1</translation>
    </message>
    <message>
        <source>registered</source>
        <translation>registado</translation>
    </message>
    <message>
        <source>expired, in its grace period</source>
        <translation>expirado, no período de tolerância</translation>
    </message>
    <message>
        <source>in its redemption period</source>
        <translation>no período de resgate</translation>
    </message>
    <message>
        <source>available</source>
        <translation>disponível</translation>
    </message>
    <message>
        <source>reserved by its registry</source>
        <translation>reservado pelo seu registo</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <extracomment>What the site saw of a watched name first. %1: the domain name; %2: its phase, one of &quot;registered&quot;, &quot;expired, in its grace period&quot;, &quot;in its redemption period&quot;, &quot;about to be deleted&quot;, &quot;available&quot;, &quot;reserved by its registry&quot;.</extracomment>
        <translation>%1 está %2</translation>
    </message>
    <message>
        <source>%1 is now %2</source>
        <extracomment>A watched name&apos;s phase changed. %1: the domain name; %2: its phase, one of &quot;registered&quot;, &quot;expired, in its grace period&quot;, &quot;in its redemption period&quot;, &quot;about to be deleted&quot;, &quot;available&quot;, &quot;reserved by its registry&quot;.</extracomment>
        <translation>%1 está agora %2</translation>
    </message>
    <message>
        <source>%1 expires</source>
        <extracomment>Titles of a calendar&apos;s events, on the day they name. %1: the domain name.</extracomment>
        <translation>%1 expira</translation>
    </message>
    <message>
        <source>%1: its grace period ends</source>
        <translation>%1: termina o período de tolerância</translation>
    </message>
    <message>
        <source>%1: its redemption period ends</source>
        <translation>%1: termina o período de resgate</translation>
    </message>
    <message>
        <source>estimate</source>
        <extracomment>In parentheses after a calendar event&apos;s title whose date is an estimate.</extracomment>
        <translation>estimativa</translation>
    </message>
    <message>
        <source>being asked</source>
        <translation>a ser consultado</translation>
    </message>
    <message>
        <source>This address has asked for many calendars, feeds and histories lately. Try again in %1 seconds.</source>
        <extracomment>%1: a number of seconds.</extracomment>
        <translation>Foram pedidos muitos calendários, feeds e históricos a partir deste endereço nos últimos tempos. Tente novamente dentro de %1 s.</translation>
    </message>
    <message>
        <source>The site watches as many names as it can. Try again in an hour.</source>
        <extracomment>The answer to a calendar, feed or history of a name new to the site when it watches as many names as it may (the operator&apos;s bound); sent with Retry-After: 3600.</extracomment>
        <translation>O site já acompanha tantos nomes quanto consegue. Tente novamente dentro de uma hora.</translation>
    </message>
    <message>
        <source>This address has brought %1 names to watch, as many as one may. A name nobody asks for is let go after %2 days.</source>
        <extracomment>%1: the most names one address may bring; %2: the days a name stays watched after it was last asked for.</extracomment>
        <translation>A partir deste endereço já se acompanham %1 nomes, o máximo permitido. Um nome que ninguém consulte deixa de ser acompanhado ao fim de %2 dias.</translation>
    </message>
    <message>
        <source>A name new to the site is looked up first, and that counts as a lookup of yours: this address has asked for many lately. Try again in %1 seconds; the names looked up so far stay watched.</source>
        <extracomment>%1: a number of seconds.</extracomment>
        <translation>Um nome novo para o site é primeiro pesquisado, e isso conta como uma pesquisa sua: foram pedidas muitas pesquisas a partir deste endereço nos últimos tempos. Tente novamente dentro de %1 s; os nomes já pesquisados continuam a ser acompanhados.</translation>
    </message>
    <message>
        <source>alarms takes up to five numbers of days before a date, each from 0 to 366 (such as alarms=30,7).</source>
        <extracomment>&quot;alarms&quot; is the parameter of the address and stays as it is.</extracomment>
        <translation>alarms aceita até cinco números de dias antes de uma data, cada um de 0 a 366 (por exemplo alarms=30,7).</translation>
    </message>
    <message>
        <source>%1, %2 UTC</source>
        <extracomment>When the site saw a change. %1: a date in words; %2: the time of day (UTC).</extracomment>
        <translation>%1, %2 UTC</translation>
    </message>
    <message>
        <source>Subscribe without an account: give the calendar&apos;s address to a calendar program, and the feed&apos;s to a feed reader.</source>
        <translation>Subscreva sem conta: indique o endereço do calendário a um programa de calendário e o do feed a um leitor de feeds.</translation>
    </message>
    <message>
        <source>(none)</source>
        <extracomment>A field&apos;s value in a watched name&apos;s history when the record gave none: a registrar, name servers, statuses or an expiry date.</extracomment>
        <translation>(sem valor)</translation>
    </message>
    <message>
        <source>about to be deleted</source>
        <extracomment>A watched name&apos;s phase, after &quot;%1 is now&quot; or &quot;%1 is&quot;: the registry deletes it within days (the lookup page&apos;s status &quot;about to be deleted&quot; in the Status context says the same).</extracomment>
        <translation>prestes a ser eliminado</translation>
    </message>
    <message>
        <source>%1 is registered and expires on %2</source>
        <extracomment>What the site saw of a watched name first. %1: the domain name; %2: its expiry date in words.</extracomment>
        <translation>%1 está registado e expira a %2</translation>
    </message>
    <message>
        <source>%1: the registrar was %2 and is now %3</source>
        <extracomment>A watched name&apos;s record changed. %1: the domain name; %2 and %3: the values before and after, or &quot;(none)&quot;.</extracomment>
        <translation>%1: o agente de registo era %2 e agora é %3</translation>
    </message>
    <message>
        <source>%1: the name servers were %2 and are now %3</source>
        <extracomment>As above; %2 and %3: lists of name servers, or &quot;(none)&quot;.</extracomment>
        <translation>%1: os servidores de nomes eram %2 e agora são %3</translation>
    </message>
    <message>
        <source>%1: the statuses were %2 and are now %3</source>
        <extracomment>As above; %2 and %3: lists of statuses in words, or &quot;(none)&quot;.</extracomment>
        <translation>%1: os estados eram %2 e agora são %3</translation>
    </message>
    <message>
        <source>%1: the expiry date was %2 and is now %3</source>
        <extracomment>As above; %2 and %3: dates in words, or &quot;(none)&quot;.</extracomment>
        <translation>%1: a data de expiração era %2 e agora é %3</translation>
    </message>
    <message>
        <source>%1 may become available</source>
        <extracomment>A calendar event&apos;s title on the estimated day a leaving name may be registered again. %1: the name.</extracomment>
        <translation>%1 poderá ficar disponível</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Two changes of a watched name seen at once, one after the other.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Evidence: %1</source>
        <extracomment>One line under a lookup&apos;s verdict: what it rests on (the server asked and the line of its answer that decided, or the status of its answer). %1: that, in a sentence.</extracomment>
        <translation>Prova: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n extension(s)</source>
        <extracomment>%1: a name without extension, checked in %n extensions</extracomment>
        <translation>
            <numerusform>%1 em %n extensão</numerusform>
            <numerusform>%1 em %n extensões</numerusform>
        </translation>
    </message>
    <message>
        <source>Evidence (ZIP)</source>
        <extracomment>A link beside Download that saves every answer the site received for the lookup, as received, in a ZIP file</extracomment>
        <translation>Provas (ZIP)</translation>
    </message>
    <message>
        <source>Report abuse</source>
        <extracomment>The heading of the section that says whom to tell of abuse by a name, an address or a network</extracomment>
        <translation>Denunciar abuso</translation>
    </message>
    <message>
        <source>Write to them in this order. Each says where the record names it, to check it.</source>
        <extracomment>Under &quot;Report abuse&quot;: the contacts below are in the order to write to them, each with the record and field it was read from</extracomment>
        <translation>Escreva-lhes por esta ordem. Cada um indica onde o registo o nomeia, para o verificar.</translation>
    </message>
    <message>
        <source>Hosting network</source>
        <extracomment>The role of an abuse contact: the network of an address that the domain name points to</extracomment>
        <translation>Rede de alojamento</translation>
    </message>
    <message>
        <source>DNS network</source>
        <extracomment>The role of an abuse contact: the network of an address of one of the domain&apos;s name servers</extracomment>
        <translation>Rede DNS</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The role of an abuse contact: the IP network or AS number asked about, or one that contains it</extracomment>
        <translation>Rede</translation>
    </message>
    <message>
        <source>Registry</source>
        <extracomment>The role of an abuse contact: the registry that runs the domain&apos;s top-level domain</extracomment>
        <translation>Registo</translation>
    </message>
    <message>
        <source>From %1: %2</source>
        <extracomment>Where an abuse contact was read. %1: a server or address (URL), %2: the field</extracomment>
        <translation>De %1: %2</translation>
    </message>
    <message>
        <source>From %1, line %2: %3</source>
        <extracomment>Where an abuse contact was read in a whois answer. %1: a server, %2: a line&apos;s number, %3: the key</extracomment>
        <translation>De %1, linha %2: %3</translation>
    </message>
    <message>
        <source>For %1 (%2)</source>
        <extracomment>The name and address whose network an abuse contact is. %1: a domain name or name server, %2: its address</extracomment>
        <translation>Para %1 (%2)</translation>
    </message>
    <message>
        <source>%1 names no abuse contact of its own; this is the contact of a network that contains it.</source>
        <extracomment>%1: a network (its range) whose own record names no abuse contact</extracomment>
        <translation>%1 não indica nenhum contacto de abuso próprio; este é o contacto de uma rede que a contém.</translation>
    </message>
    <message>
        <source>Find more contacts: the registry&apos;s, the networks that contain or host it (takes more lookups)</source>
        <extracomment>A link under &quot;Report abuse&quot; that looks further: the registry&apos;s contact, the networks that contain an address, the networks that host a domain (each lookup counts against the visitor&apos;s lookups)</extracomment>
        <translation>Encontrar mais contactos: o do registo, os das redes que o contêm ou alojam (requer mais consultas)</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>active</source>
        <translation>ativo</translation>
    </message>
    <message>
        <source>inactive (no name servers)</source>
        <translation>inativo (sem servidores de nomes)</translation>
    </message>
    <message>
        <source>validated</source>
        <translation>validado</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>bloqueado</translation>
    </message>
    <message>
        <source>registered through a proxy</source>
        <translation>registado através de um proxy</translation>
    </message>
    <message>
        <source>private</source>
        <translation>privado</translation>
    </message>
    <message>
        <source>some data removed</source>
        <extracomment>Some of the record&apos;s data was left out (not the domain name deleted)</extracomment>
        <translation>alguns dados removidos</translation>
    </message>
    <message>
        <source>some data altered</source>
        <extracomment>Some of the record&apos;s data was altered or masked (not the domain name blocked)</extracomment>
        <translation>alguns dados alterados</translation>
    </message>
    <message>
        <source>associated with another object</source>
        <translation>associado a outro objeto</translation>
    </message>
    <message>
        <source>renewal locked</source>
        <translation>renovação bloqueada</translation>
    </message>
    <message>
        <source>changes locked</source>
        <translation>alterações bloqueadas</translation>
    </message>
    <message>
        <source>transfer locked</source>
        <translation>transferência bloqueada</translation>
    </message>
    <message>
        <source>deletion locked</source>
        <translation>eliminação bloqueada</translation>
    </message>
    <message>
        <source>deletion locked by the registrar</source>
        <translation>eliminação bloqueada pelo agente de registo</translation>
    </message>
    <message>
        <source>renewal locked by the registrar</source>
        <translation>renovação bloqueada pelo agente de registo</translation>
    </message>
    <message>
        <source>transfer locked by the registrar</source>
        <translation>transferência bloqueada pelo agente de registo</translation>
    </message>
    <message>
        <source>changes locked by the registrar</source>
        <translation>alterações bloqueadas pelo agente de registo</translation>
    </message>
    <message>
        <source>kept out of the DNS by the registrar</source>
        <translation>excluído do DNS pelo agente de registo</translation>
    </message>
    <message>
        <source>deletion locked by the registry</source>
        <translation>eliminação bloqueada pelo registo</translation>
    </message>
    <message>
        <source>renewal locked by the registry</source>
        <translation>renovação bloqueada pelo registo</translation>
    </message>
    <message>
        <source>transfer locked by the registry</source>
        <translation>transferência bloqueada pelo registo</translation>
    </message>
    <message>
        <source>changes locked by the registry</source>
        <translation>alterações bloqueadas pelo registo</translation>
    </message>
    <message>
        <source>kept out of the DNS by the registry</source>
        <translation>excluído do DNS pelo registo</translation>
    </message>
    <message>
        <source>being created</source>
        <translation>a ser criado</translation>
    </message>
    <message>
        <source>being renewed</source>
        <translation>a ser renovado</translation>
    </message>
    <message>
        <source>being transferred</source>
        <translation>a ser transferido</translation>
    </message>
    <message>
        <source>being changed</source>
        <translation>a ser alterado</translation>
    </message>
    <message>
        <source>about to be deleted</source>
        <translation>prestes a ser eliminado</translation>
    </message>
    <message>
        <source>being restored</source>
        <translation>a ser restaurado</translation>
    </message>
    <message>
        <source>newly registered (grace period)</source>
        <translation>recém-registado (período de tolerância)</translation>
    </message>
    <message>
        <source>renewed automatically (grace period)</source>
        <translation>renovado automaticamente (período de tolerância)</translation>
    </message>
    <message>
        <source>recently renewed (grace period)</source>
        <translation>renovado recentemente (período de tolerância)</translation>
    </message>
    <message>
        <source>recently transferred (grace period)</source>
        <translation>transferido recentemente (período de tolerância)</translation>
    </message>
    <message>
        <source>expired but still redeemable (redemption period)</source>
        <translation>expirado mas ainda recuperável (período de resgate)</translation>
    </message>
    <message>
        <source>reserved by the registry</source>
        <translation>reservado pelo registo</translation>
    </message>
    <message>
        <source>registered</source>
        <translation>registado</translation>
    </message>
    <message>
        <source>granted to the holder</source>
        <translation>concedido ao titular</translation>
    </message>
    <message>
        <source>in the DNS</source>
        <translation>no DNS</translation>
    </message>
    <message>
        <source>holder verified</source>
        <translation>titular verificado</translation>
    </message>
    <message>
        <source>assigned</source>
        <translation>atribuído</translation>
    </message>
    <message>
        <source>assigned, provider-independent</source>
        <translation>atribuído, independente do fornecedor</translation>
    </message>
    <message>
        <source>allocated</source>
        <translation>alocado</translation>
    </message>
    <message>
        <source>legacy (held since before the regional registries)</source>
        <translation>histórico (atribuído antes dos registos regionais)</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>Available</source>
        <extracomment>The verdict on a domain name that is not registered: it can be registered</extracomment>
        <translation>Disponível</translation>
    </message>
    <message>
        <source>Registered</source>
        <translation>Registado</translation>
    </message>
    <message>
        <source>Reserved or blocked</source>
        <translation>Reservado ou bloqueado</translation>
    </message>
    <message>
        <source>Registry busy</source>
        <translation>Registo ocupado</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Sem resposta</translation>
    </message>
    <message>
        <source>Allocated</source>
        <extracomment>The verdict on an address range or AS numbers that a registry has given out</extracomment>
        <translation>Alocado</translation>
    </message>
    <message>
        <source>No record</source>
        <translation>Sem dados</translation>
    </message>
    <message>
        <source>Top-level domain</source>
        <translation>Domínio de topo</translation>
    </message>
    <message>
        <source>Not looked up</source>
        <extracomment>The verdict on a special-purpose address or number, which no registry holds</extracomment>
        <translation>Não pesquisado</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The answer for an extension whose registry could not be asked or did not answer
----------
The verdict when the registry answered but its answer says neither that the name is registered nor that it is free</extracomment>
        <translation>Desconhecido</translation>
    </message>
</context>
<context>
    <name>Word</name>
    <message>
        <source>address</source>
        <translation>endereço</translation>
    </message>
    <message>
        <source>network</source>
        <translation>rede</translation>
    </message>
    <message>
        <source>AS number</source>
        <translation>número AS</translation>
    </message>
    <message>
        <source>domain name</source>
        <translation>nome de domínio</translation>
    </message>
    <message>
        <source>&quot;this network&quot;</source>
        <translation>«esta rede»</translation>
    </message>
    <message>
        <source>private</source>
        <translation>privado</translation>
    </message>
    <message>
        <source>shared</source>
        <translation>partilhado</translation>
    </message>
    <message>
        <source>loopback</source>
        <translation>loopback</translation>
    </message>
    <message>
        <source>link-local</source>
        <translation>link-local</translation>
    </message>
    <message>
        <source>protocol assignment</source>
        <translation>atribuição de protocolo</translation>
    </message>
    <message>
        <source>documentation</source>
        <translation>documentação</translation>
    </message>
    <message>
        <source>6to4 relay anycast</source>
        <translation>anycast de relay 6to4</translation>
    </message>
    <message>
        <source>benchmarking</source>
        <translation>testes de desempenho</translation>
    </message>
    <message>
        <source>multicast</source>
        <translation>multicast</translation>
    </message>
    <message>
        <source>reserved</source>
        <translation>reservado</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>broadcast</translation>
    </message>
    <message>
        <source>unspecified</source>
        <translation>não especificado</translation>
    </message>
    <message>
        <source>deprecated IPv4-compatible</source>
        <translation>forma compatível com IPv4, obsoleta</translation>
    </message>
    <message>
        <source>NAT64</source>
        <translation>NAT64</translation>
    </message>
    <message>
        <source>local-use NAT64</source>
        <translation>NAT64 de uso local</translation>
    </message>
    <message>
        <source>discard-only</source>
        <translation>apenas descarte</translation>
    </message>
    <message>
        <source>unique local</source>
        <translation>local único</translation>
    </message>
    <message>
        <source>deprecated site-local</source>
        <translation>site-local obsoleto</translation>
    </message>
    <message>
        <source>ORCHID</source>
        <translation>ORCHID</translation>
    </message>
    <message>
        <source>ORCHIDv2</source>
        <translation>ORCHIDv2</translation>
    </message>
    <message>
        <source>SRv6 SID</source>
        <translation>SRv6 SID</translation>
    </message>
    <message>
        <source>reserved (AS_TRANS)</source>
        <translation>reservado (AS_TRANS)</translation>
    </message>
    <message>
        <source>top-level domain</source>
        <translation>domínio de topo</translation>
    </message>
</context>
</TS>
