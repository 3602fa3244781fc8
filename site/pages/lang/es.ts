<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Message</name>
    <message>
        <source>Type a domain name, such as example.com.</source>
        <translation>Escriba un nombre de dominio, por ejemplo example.com.</translation>
    </message>
    <message>
        <source>A domain name holds no blanks, line breaks or control characters.</source>
        <translation>Un nombre de dominio no contiene espacios, saltos de línea ni caracteres de control.</translation>
    </message>
    <message>
        <source>A domain name does not start with a hyphen.</source>
        <translation>Un nombre de dominio no empieza por un guion.</translation>
    </message>
    <message>
        <source>This is not a valid domain name.</source>
        <translation>Este no es un nombre de dominio válido.</translation>
    </message>
    <message>
        <source>A domain name has at most 253 characters.</source>
        <translation>Un nombre de dominio tiene como máximo 253 caracteres.</translation>
    </message>
    <message>
        <source>A domain name has no empty labels (two dots in a row).</source>
        <translation>Un nombre de dominio no tiene etiquetas vacías (dos puntos seguidos).</translation>
    </message>
    <message>
        <source>Each part of a domain name has at most 63 characters.</source>
        <translation>Cada parte de un nombre de dominio tiene como máximo 63 caracteres.</translation>
    </message>
    <message>
        <source>No part of a domain name starts or ends with a hyphen.</source>
        <translation>Ninguna parte de un nombre de dominio empieza ni termina por un guion.</translation>
    </message>
    <message>
        <source>A domain name holds only letters, digits, hyphens and dots.</source>
        <translation>Un nombre de dominio solo contiene letras, dígitos, guiones y puntos.</translation>
    </message>
    <message>
        <source>An AS number is a whole number from 0 to 4294967295.</source>
        <translation>Un número AS es un número entero de 0 a 4294967295.</translation>
    </message>
    <message>
        <source>This is not a valid IPv6 address.</source>
        <translation>Esta no es una dirección IPv6 válida.</translation>
    </message>
    <message>
        <source>An IPv4 address is four numbers from 0 to 255, such as 192.0.2.1.</source>
        <translation>Una dirección IPv4 consta de cuatro números de 0 a 255, por ejemplo 192.0.2.1.</translation>
    </message>
    <message>
        <source>A network&apos;s prefix length is a number from 0 to 32 for IPv4 and from 0 to 128 for IPv6.</source>
        <translation>La longitud de prefijo de una red es un número de 0 a 32 para IPv4 y de 0 a 128 para IPv6.</translation>
    </message>
    <message>
        <source>An IPv4-mapped network has a prefix length from 96 to 128.</source>
        <translation>Una red IPv4 mapeada en IPv6 tiene una longitud de prefijo de 96 a 128.</translation>
    </message>
    <message>
        <source>%1 is a %2 %3 (%4); no registry holds a record for it.</source>
        <extracomment>%1: the address, network or AS number as asked; %2: its kind (a word: &quot;private&quot;, &quot;documentation&quot;); %3: what it is (a word: &quot;address&quot;, &quot;network&quot;); %4: where the kind is defined (&quot;RFC 1918&quot;), or a nested reason</extracomment>
        <translation>%1 (%3) pertenece a un rango especial: %2 (%4); no figura en ningún registro.</translation>
    </message>
    <message>
        <source>%1 is an %2 %3 (%4); no registry holds a record for it.</source>
        <extracomment>The same as the sentence with &quot;a&quot;: English needs &quot;an&quot; before a vowel sound; translate both alike.</extracomment>
        <translation>%1 (%3) pertenece a un rango especial: %2 (%4); no figura en ningún registro.</translation>
    </message>
    <message>
        <source>%1, carrying the %3 address %2</source>
        <extracomment>%1: the defining document (&quot;RFC 6052&quot;); %2: the IPv4 address carried; %3: its kind (a word)</extracomment>
        <translation>%1, que incorpora la dirección %2, de tipo %3</translation>
    </message>
    <message>
        <source>not an address</source>
        <translation>no es una dirección</translation>
    </message>
    <message>
        <source>the name %1 could not be resolved</source>
        <extracomment>%1: a host name</extracomment>
        <translation>no se ha podido resolver el nombre %1</translation>
    </message>
    <message>
        <source>%1 is at %2, which is not a public address</source>
        <extracomment>%1: a host name; %2: the address it resolves to</extracomment>
        <translation>%1 corresponde a %2, que no es una dirección pública</translation>
    </message>
    <message>
        <source>%1 is not an http or https address</source>
        <extracomment>%1: an address (URL) that a server named</extracomment>
        <translation>%1 no es una dirección http o https</translation>
    </message>
    <message>
        <source>no complete answer within %1 s</source>
        <extracomment>%1: a number of seconds</extracomment>
        <translation>sin respuesta completa en un plazo de %1 s</translation>
    </message>
    <message>
        <source>no connection within %1 s</source>
        <extracomment>%1: a number of seconds</extracomment>
        <translation>sin conexión en un plazo de %1 s</translation>
    </message>
    <message>
        <source>a redirect was refused: %1</source>
        <extracomment>%1: why (a reason of its own)</extracomment>
        <translation>redirección rechazada: %1</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>an HTTP status that is no answer (%1)</source>
        <extracomment>%1: an HTTP status number</extracomment>
        <translation>un estado HTTP que no es una respuesta (%1)</translation>
    </message>
    <message>
        <source>the lookup service redirected too often</source>
        <translation>el servicio de búsqueda ha redirigido demasiadas veces</translation>
    </message>
    <message>
        <source>The RDAP bootstrap file could not be read: its fetch was abandoned</source>
        <translation>No se ha podido leer el archivo bootstrap de RDAP: se ha cancelado la descarga</translation>
    </message>
    <message>
        <source>status %1</source>
        <extracomment>%1: an HTTP status number</extracomment>
        <translation>estado %1</translation>
    </message>
    <message>
        <source>the file is too long</source>
        <translation>el archivo es demasiado largo</translation>
    </message>
    <message>
        <source>the file is not a bootstrap file</source>
        <translation>el archivo no es un archivo bootstrap</translation>
    </message>
    <message>
        <source>The RDAP bootstrap file could not be read: %1</source>
        <extracomment>%1: why (a reason of its own)</extracomment>
        <translation>No se ha podido leer el archivo bootstrap de RDAP: %1</translation>
    </message>
    <message>
        <source>Too many lookups from your address are under way. Try again in 5 s.</source>
        <translation>Hay demasiadas búsquedas en curso desde su dirección. Inténtelo de nuevo dentro de 5 s.</translation>
    </message>
    <message>
        <source>%1 is not registered.</source>
        <extracomment>%1: the domain name</extracomment>
        <translation>%1 no está registrado.</translation>
    </message>
    <message>
        <source>No registry holds a record for %1.</source>
        <extracomment>%1: the address, network or AS number</extracomment>
        <translation>Ningún registro tiene datos de %1.</translation>
    </message>
    <message>
        <source>The registry is limiting how often it is asked. Try again later.</source>
        <translation>El registro limita la frecuencia de las consultas. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>The lookup took longer than %1 s and was given up.</source>
        <extracomment>%1: a number of seconds</extracomment>
        <translation>La búsqueda ha tardado más de %1 s y se ha cancelado.</translation>
    </message>
    <message>
        <source>%1; whois was asked instead.</source>
        <extracomment>%1: why RDAP could not be used (a sentence of its own)</extracomment>
        <translation>%1; en su lugar se ha consultado whois.</translation>
    </message>
    <message>
        <source>The registry&apos;s lookup service (%1) could not be asked: %2.</source>
        <extracomment>%1: the registry server&apos;s host name; %2: why (a reason of its own)</extracomment>
        <translation>No se ha podido consultar el servicio de búsqueda del registro (%1): %2.</translation>
    </message>
    <message>
        <source>The registry&apos;s lookup service answered with status %1.</source>
        <extracomment>%1: an HTTP status number</extracomment>
        <translation>El servicio de búsqueda del registro ha respondido con el estado %1.</translation>
    </message>
    <message>
        <source>The registry&apos;s record was longer than the site reads and could not be read.</source>
        <translation>Los datos del registro eran demasiado largos para el sitio y no se han podido leer.</translation>
    </message>
    <message>
        <source>The registry&apos;s answer is not a record the site can read.</source>
        <translation>La respuesta del registro no contiene datos que el sitio pueda leer.</translation>
    </message>
    <message>
        <source>not a record the site can read</source>
        <translation>no son datos que el sitio pueda leer</translation>
    </message>
    <message>
        <source>The registrar&apos;s record (%1) could not be read: %2.</source>
        <extracomment>%1: the registrar server&apos;s host name; %2: why (a reason of its own)</extracomment>
        <translation>No se han podido leer los datos del registrador (%1): %2.</translation>
    </message>
    <message>
        <source>refused to ask it: %1</source>
        <extracomment>%1: why (a reason of its own)</extracomment>
        <translation>consulta rechazada: %1</translation>
    </message>
    <message>
        <source>it closed the connection without an answer</source>
        <translation>ha cerrado la conexión sin responder</translation>
    </message>
    <message>
        <source>The registrar&apos;s whois server %1 could not be asked: %2.</source>
        <extracomment>%1: a whois server (host name, perhaps with a port); %2: why (a reason of its own)</extracomment>
        <translation>No se ha podido consultar el servidor whois %1 del registrador: %2.</translation>
    </message>
    <message>
        <source>The whois server %1 that the registry refers to could not be asked: %2.</source>
        <extracomment>%1: a whois server (host name, perhaps with a port); %2: why (a reason of its own)</extracomment>
        <translation>No se ha podido consultar el servidor whois %1 indicado por el registro: %2.</translation>
    </message>
    <message>
        <source>The whois server %1 could not be asked: %2.</source>
        <extracomment>%1: a whois server (host name, perhaps with a port); %2: why (a reason of its own)</extracomment>
        <translation>No se ha podido consultar el servidor whois %1: %2.</translation>
    </message>
    <message>
        <source>The whois server %1 that the registry refers to is limiting how often it is asked; its record is left out.</source>
        <extracomment>%1: a whois server (host name, perhaps with a port)</extracomment>
        <translation>El servidor whois %1 indicado por el registro limita la frecuencia de las consultas; se omiten sus datos.</translation>
    </message>
    <message>
        <source>There is no lookup service for the extension .%1.</source>
        <extracomment>%1: the extension, without its dot (&quot;com&quot;)</extracomment>
        <translation>No hay ningún servicio de búsqueda para la extensión .%1.</translation>
    </message>
    <message>
        <source>There is no lookup service for %1.</source>
        <extracomment>%1: the address, network or AS number</extracomment>
        <translation>No hay ningún servicio de búsqueda para %1.</translation>
    </message>
    <message>
        <source>%1 is reserved or blocked by the registry and cannot be registered.</source>
        <extracomment>%1: the domain name</extracomment>
        <translation>%1 está reservado o bloqueado por el registro y no se puede registrar.</translation>
    </message>
    <message>
        <source>.%1 is not a top-level domain of the root zone.</source>
        <extracomment>%1: what was asked, without a dot (&quot;qqq&quot;)</extracomment>
        <translation>.%1 no es un dominio de primer nivel de la zona raíz.</translation>
    </message>
    <message>
        <source>%1; IANA&apos;s whois was asked instead.</source>
        <extracomment>%1: why IANA&apos;s RDAP service could not be used (a sentence of its own)</extracomment>
        <translation>%1; en su lugar se ha consultado el whois de la IANA.</translation>
    </message>
    <message>
        <source>Not asked: your address has asked many registries lately.</source>
        <translation>No consultado: su dirección ha consultado muchos registros últimamente.</translation>
    </message>
    <message>
        <source>The registry&apos;s lookup service answered with status %1: %2.</source>
        <extracomment>%1: an HTTP status number; %2: the registry&apos;s own words, as it sent them (often English)</extracomment>
        <translation>El servicio de búsqueda del registro ha respondido con el estado %1: %2.</translation>
    </message>
    <message>
        <source>status %1: %2</source>
        <extracomment>%1: an HTTP status number; %2: the server&apos;s own words, as it sent them (often English)</extracomment>
        <translation>estado %1: %2</translation>
    </message>
    <message>
        <source>%1 looks like a contact&apos;s handle. Handles are not looked up here: type the domain name, address or AS number whose record names it.</source>
        <extracomment>%1: what was typed, such as SD12478-RIPE. &quot;record&quot;: the registration record (the data), not the registry.</extracomment>
        <translation>%1 parece el identificador (handle) de un contacto. Aquí no se consultan identificadores: escriba el nombre de dominio, la dirección o el número AS cuyos datos lo mencionan.</translation>
    </message>
    <message>
        <source>At most %1 extensions can be checked at once.</source>
        <extracomment>%1: a number (50)</extracomment>
        <translation>Se pueden comprobar como máximo %1 extensiones a la vez.</translation>
    </message>
    <message>
        <source>the server did not prove that it is %1 (%2), so nothing was asked of it</source>
        <extracomment>%1: a server&apos;s host name; %2: why (a reason of its own)</extracomment>
        <translation>el servidor no demostró que es %1 (%2), así que no se le preguntó nada</translation>
    </message>
    <message>
        <source>its certificate is for another name</source>
        <extracomment>Why a server&apos;s certificate was refused: said inside &quot;the server did not prove that it is %1 (…)&quot;</extracomment>
        <translation>su certificado es para otro nombre</translation>
    </message>
    <message>
        <source>its certificate is signed by itself, not by a certificate authority</source>
        <extracomment>Why a server&apos;s certificate was refused: said inside &quot;the server did not prove that it is %1 (…)&quot;</extracomment>
        <translation>su certificado está firmado por él mismo, no por una autoridad de certificación</translation>
    </message>
    <message>
        <source>its certificate has expired or is not yet valid</source>
        <extracomment>Why a server&apos;s certificate was refused: said inside &quot;the server did not prove that it is %1 (…)&quot;</extracomment>
        <translation>su certificado ha caducado o aún no es válido</translation>
    </message>
    <message>
        <source>its certificate is from an authority that is not trusted</source>
        <extracomment>Why a server&apos;s certificate was refused: said inside &quot;the server did not prove that it is %1 (…)&quot;</extracomment>
        <translation>su certificado es de una autoridad en la que no se confía</translation>
    </message>
    <message>
        <source>%1 would be asked in plain text, after a question asked over https</source>
        <extracomment>Why a redirect was refused. %1: the address (URL) it leads to, which begins with http://</extracomment>
        <translation>%1 se consultaría en texto sin cifrar, tras una pregunta hecha por https</translation>
    </message>
    <message>
        <source>The registry answered, but its answer does not say whether %1 is registered.</source>
        <extracomment>Under the verdict &quot;Unknown&quot;: the registry&apos;s answer (the page shows it whole) has no wording the site knows and no field it reads. %1: the domain name.</extracomment>
        <translation>El registro ha respondido, pero su respuesta no dice si %1 está registrado.</translation>
    </message>
    <message>
        <source>%1, line %2: “%3”</source>
        <extracomment>What a verdict rests on, shown under it: the line of a whois server&apos;s answer that decided. %1: the server&apos;s host name; %2: the line&apos;s number in the answer; %3: the line itself, as the server sent it (in its language).</extracomment>
        <translation>%1, línea %2: «%3»</translation>
    </message>
    <message>
        <source>%1 answered with HTTP status %2</source>
        <extracomment>What a verdict rests on: the status of the registry&apos;s RDAP answer. %1: the address (URL) asked; %2: the HTTP status, a number such as 404.</extracomment>
        <translation>%1 respondió con el estado HTTP %2</translation>
    </message>
    <message>
        <source>%1 answered, but no line of its answer is about %2 being registered or not</source>
        <extracomment>What the verdict &quot;Unknown&quot; rests on: an answer with no line that says. %1: the server; %2: the domain name.</extracomment>
        <translation>%1 respondió, pero ninguna línea de su respuesta dice si %2 está registrado</translation>
    </message>
    <message>
        <source>the DNS delegates %1 to name servers</source>
        <extracomment>What the verdict &quot;Registered&quot; rests on in a check of a name in many extensions: the DNS names name servers for it, which only a registered name has. %1: the domain name.</extracomment>
        <translation>el DNS delega %1 en servidores de nombres</translation>
    </message>
    <message>
        <source>The registry refused the question about %1, so its answer does not say whether it is registered.</source>
        <extracomment>The registry would not answer the question (an invalid query, or a name outside the extensions it serves), so nothing says whether the name is registered. %1: the domain name.</extracomment>
        <translation>El registro rechazó la consulta sobre %1, así que su respuesta no dice si está registrado.</translation>
    </message>
    <message>
        <source>%1 lies within the domain %2.</source>
        <extracomment>%1: a host name such as www.example.com; %2: the registered domain it lies in (example.com). The verdict that follows is about %2.</extracomment>
        <translation>%1 pertenece al dominio %2.</translation>
    </message>
    <message>
        <source>The lookup service is busy. Try again in %1.</source>
        <extracomment>%1: a wait, as people say it: &quot;45 s&quot;, &quot;2 min&quot;, &quot;59 min 36 s&quot;, &quot;1 h 5 min&quot; (units h, min, s)</extracomment>
        <translation>El servicio de búsqueda está ocupado. Inténtelo de nuevo dentro de %1.</translation>
    </message>
    <message>
        <source>Your address has asked for many lookups lately. Try again in %1.</source>
        <extracomment>%1: a wait, as people say it: &quot;45 s&quot;, &quot;2 min&quot;, &quot;59 min 36 s&quot;, &quot;1 h 5 min&quot; (units h, min, s)</extracomment>
        <translation>Desde su dirección se han hecho muchas búsquedas últimamente. Inténtelo de nuevo dentro de %1.</translation>
    </message>
    <message>
        <source>The registry is limiting how often it is asked. Try again in %1.</source>
        <extracomment>%1: a wait, as people say it: &quot;45 s&quot;, &quot;2 min&quot;, &quot;59 min 36 s&quot;, &quot;1 h 5 min&quot; (units h, min, s)</extracomment>
        <translation>El registro limita la frecuencia de las consultas. Inténtelo de nuevo dentro de %1.</translation>
    </message>
    <message>
        <source>The site is pacing its questions to %1 so as not to be blocked there; its record is left out. Try again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>El sitio espacia sus consultas a %1 para evitar que lo bloqueen; se omiten sus datos. Inténtelo de nuevo dentro de %2.</translation>
    </message>
    <message>
        <source>The site is pacing its questions to %1 so as not to be blocked there. Try again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>El sitio espacia sus consultas a %1 para evitar que lo bloqueen. Inténtelo de nuevo dentro de %2.</translation>
    </message>
    <message>
        <source>The registry&apos;s lookup service (%1) has failed again and again; it is asked again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>El servicio de búsqueda del registro (%1) ha fallado una y otra vez; se le volverá a consultar dentro de %2.</translation>
    </message>
    <message>
        <source>%1 is limiting how often it is asked; its record is left out. Try again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>%1 limita la frecuencia de las consultas; sus datos no se muestran. Vuelva a intentarlo dentro de %2.</translation>
    </message>
    <message>
        <source>%1 has failed again and again; its record is left out. Try again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>%1 ha fallado una y otra vez; sus datos no se muestran. Vuelva a intentarlo dentro de %2.</translation>
    </message>
    <message>
        <source>No record names an abuse contact for %1.</source>
        <extracomment>Who to tell of abuse: no record asked names an abuse contact. %1: the domain name, address or network.</extracomment>
        <translation>Ningún registro nombra un contacto de abuso para %1.</translation>
    </message>
    <message>
        <source>%1 could not be looked up: %2</source>
        <extracomment>Who to tell of abuse: one of the further lookups failed. %1: a domain name, address or network; %2: why.</extracomment>
        <translation>No se pudo consultar %1: %2</translation>
    </message>
    <message>
        <source>Your lookups for now are spent, so the rest was not looked up. Try again in %1.</source>
        <extracomment>Who to tell of abuse: the further lookups stopped at the client&apos;s budget. %1: a duration (&quot;5 min 3 s&quot;).</extracomment>
        <translation>Sus consultas se han agotado por ahora, así que el resto no se consultó. Vuelva a intentarlo en %1.</translation>
    </message>
    <message>
        <source>The site has no DNS resolver, so the networks that host %1 were not looked for.</source>
        <extracomment>Who to tell of abuse: the site cannot ask the DNS for a domain&apos;s addresses. %1: the domain name.</extracomment>
        <translation>El sitio no tiene resolvedor DNS, así que no se buscaron las redes que alojan %1.</translation>
    </message>
    <message>
        <source>The DNS gives no address for %1 or its name servers.</source>
        <extracomment>Who to tell of abuse: the DNS gives no address for the domain or its name servers. %1: the domain name.</extracomment>
        <translation>El DNS no da ninguna dirección para %1 ni para sus servidores de nombres.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Domain name</source>
        <translation>Nombre de dominio</translation>
    </message>
    <message>
        <source>Look up</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Quelcor whois lookup</source>
        <translation>Búsqueda whois de Quelcor</translation>
    </message>
    <message>
        <source>From the site&apos;s cache: looked up %1 s ago.</source>
        <translation>De la caché del sitio: búsqueda realizada hace %1 s.</translation>
    </message>
    <message>
        <source>Record from %1</source>
        <translation>Datos de %1</translation>
    </message>
    <message>
        <source>The record was longer than 1 MiB; only its beginning is shown.</source>
        <translation>Los datos superaban 1 MiB; solo se muestra el principio.</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Whois lookup&lt;/h1&gt;&lt;p&gt;Type a domain name, such as &lt;b&gt;example.com&lt;/b&gt;, and press &lt;b&gt;Look up&lt;/b&gt; to see who registered it, with which registrar, and until when.&lt;/p&gt;&lt;p&gt;An IP address such as &lt;b&gt;8.8.8.8&lt;/b&gt;, a network such as &lt;b&gt;8.8.8.0/24&lt;/b&gt; or an AS number such as &lt;b&gt;AS15169&lt;/b&gt; shows who holds it.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Búsqueda whois&lt;/h1&gt;&lt;p&gt;Escriba un nombre de dominio, por ejemplo &lt;b&gt;example.com&lt;/b&gt;, y pulse &lt;b&gt;Buscar&lt;/b&gt; para ver quién lo registró, con qué registrador y hasta cuándo.&lt;/p&gt;&lt;p&gt;Para una dirección IP como &lt;b&gt;8.8.8.8&lt;/b&gt;, una red como &lt;b&gt;8.8.8.0/24&lt;/b&gt; o un número AS como &lt;b&gt;AS15169&lt;/b&gt;, se muestra quién es su titular.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Dominio</translation>
    </message>
    <message>
        <source>Registrar</source>
        <extracomment>The role of an abuse contact (and a field&apos;s label): the domain&apos;s registrar</extracomment>
        <translation>Registrador</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Registered</source>
        <translation>Fecha de registro</translation>
    </message>
    <message>
        <source>Expires</source>
        <translation>Fecha de vencimiento</translation>
    </message>
    <message>
        <source>Name servers</source>
        <translation>Servidores de nombres</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Rango</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
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
        <translation>Última modificación</translation>
    </message>
    <message>
        <source>Download Quelcor</source>
        <translation>Descargar Quelcor</translation>
    </message>
    <message>
        <source>&lt;p&gt;The current version of Quelcor is &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Quelcor looks up the registration records of domain names. Install it over the older version: your language choice is kept.&lt;/p&gt;</source>
        <translation>&lt;p&gt;La versión actual de Quelcor es la &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Quelcor busca los datos de registro de los nombres de dominio. Instálelo sobre la versión anterior: se conserva el idioma elegido.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Quelcor forum</source>
        <translation>Foro de Quelcor</translation>
    </message>
    <message>
        <source>&lt;p&gt;Users of Quelcor help one another here: questions about lookups, language drivers and updates.&lt;/p&gt;&lt;p&gt;Before asking, try the &lt;a href=&quot;%1&quot;&gt;lookup page&lt;/a&gt; in a desktop browser.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Aquí los usuarios de Quelcor se ayudan entre sí: preguntas sobre búsquedas, controladores de idioma y actualizaciones.&lt;/p&gt;&lt;p&gt;Antes de preguntar, pruebe la &lt;a href=&quot;%1&quot;&gt;página de búsqueda&lt;/a&gt; en un navegador de escritorio.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Report a bug</source>
        <translation>Informar de un error</translation>
    </message>
    <message>
        <source>&lt;p&gt;Tell us what you did, what you expected and what happened instead, and give the version that the about window shows.&lt;/p&gt;&lt;p&gt;Write to the address shown in the about window.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Cuéntenos qué hizo, qué esperaba y qué ocurrió en su lugar, e indique la versión que muestra la ventana «Acerca de Quelcor».&lt;/p&gt;&lt;p&gt;Escriba a la dirección que aparece en la ventana «Acerca de Quelcor».&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Quelcor is a small desktop program for looking up the registration records (whois records) of internet domain names.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;a href=&quot;%1&quot;&gt;Download&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%2&quot;&gt;Look a domain up&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%3&quot;&gt;Forum&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%4&quot;&gt;Report a bug&lt;/a&gt;&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;p&gt;Quelcor es un pequeño programa de escritorio para buscar los datos de registro (datos whois) de los nombres de dominio de Internet.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;a href=&quot;%1&quot;&gt;Descargar&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%2&quot;&gt;Buscar un dominio&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%3&quot;&gt;Foro&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%4&quot;&gt;Informar de un error&lt;/a&gt;&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;ul&gt;&lt;li&gt;&lt;a href=&quot;%1&quot;&gt;Quelcor&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%2&quot;&gt;Look a domain up&lt;/a&gt;&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;ul&gt;&lt;li&gt;&lt;a href=&quot;%1&quot;&gt;Quelcor&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%2&quot;&gt;Buscar un dominio&lt;/a&gt;&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Page not found</source>
        <translation>Página no encontrada</translation>
    </message>
    <message>
        <source>&lt;p&gt;There is no such page here. Try the &lt;a href=&quot;%1&quot;&gt;product page&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Esta página no existe. Pruebe la &lt;a href=&quot;%1&quot;&gt;página del producto&lt;/a&gt;.&lt;/p&gt;</translation>
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
        <translation>Descargar</translation>
    </message>
    <message>
        <source>expires today</source>
        <extracomment>Of a domain name&apos;s registration</extracomment>
        <translation>vence hoy</translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <extracomment>How long a registration has left (&quot;expires 3 May 2027, in 146 days&quot;), or how long ago it ran out</extracomment>
        <translation>
            <numerusform>dentro de %n día</numerusform>
            <numerusform>dentro de %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>expired %n day(s) ago</source>
        <translation>
            <numerusform>venció hace %n día</numerusform>
            <numerusform>venció hace %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>DNSSEC</source>
        <translation>DNSSEC</translation>
    </message>
    <message>
        <source>signed</source>
        <translation>firmado</translation>
    </message>
    <message>
        <source>not signed</source>
        <translation>sin firmar</translation>
    </message>
    <message>
        <source>Registrar&apos;s IANA id</source>
        <translation>ID de IANA del registrador</translation>
    </message>
    <message>
        <source>Registrar&apos;s web site</source>
        <translation>Sitio web del registrador</translation>
    </message>
    <message>
        <source>Top-level domain</source>
        <translation>Dominio de primer nivel</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Administrador</translation>
    </message>
    <message>
        <source>Whois server</source>
        <translation>Servidor whois</translation>
    </message>
    <message>
        <source>RDAP service</source>
        <translation>Servicio RDAP</translation>
    </message>
    <message>
        <source>held by %1</source>
        <extracomment>%1: who holds a domain name, an address range or AS numbers</extracomment>
        <translation>a nombre de %1</translation>
    </message>
    <message>
        <source>registrar %1</source>
        <extracomment>%1: the registrar&apos;s name</extracomment>
        <translation>registrador: %1</translation>
    </message>
    <message>
        <source>expires %1, %2</source>
        <extracomment>%1: a date; %2: how long is left (&quot;in 146 days&quot;)</extracomment>
        <translation>vence el %1, %2</translation>
    </message>
    <message>
        <source>in its redemption period: only the holder can still renew it</source>
        <translation>en período de redención: solo el titular puede renovarlo todavía</translation>
    </message>
    <message>
        <source>about to be deleted by the registry</source>
        <translation>a punto de ser eliminado por el registro</translation>
    </message>
    <message>
        <source>expired</source>
        <translation>vencido</translation>
    </message>
    <message>
        <source>since %1</source>
        <extracomment>%1: a date</extracomment>
        <translation>desde el %1</translation>
    </message>
    <message>
        <source>managed by %1</source>
        <extracomment>%1: the organisation that runs a top-level domain</extracomment>
        <translation>administrado por %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;A top-level domain such as &lt;b&gt;de&lt;/b&gt; shows who runs it and where its registry answers.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Un dominio de primer nivel como &lt;b&gt;de&lt;/b&gt; muestra quién lo gestiona y dónde responde su registro.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Each row comes as its registry answers. Type &lt;b&gt;name.*&lt;/b&gt; for the usual extensions, or name them: &lt;b&gt;name.{de,fr,it}&lt;/b&gt;. A name with name servers in the DNS is registered; the others are asked of their registries.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Cada fila aparece cuando su registro responde. Escriba &lt;b&gt;nombre.*&lt;/b&gt; para las extensiones habituales, o indíquelas: &lt;b&gt;nombre.{de,fr,it}&lt;/b&gt;. Un nombre con servidores de nombres en el DNS está registrado; los demás se consultan a sus registros.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Extensión</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>it has name servers</source>
        <extracomment>Of a name found registered from its name servers in the DNS, without asking its registry</extracomment>
        <translation>tiene servidores de nombres</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;quelcor.*&lt;/b&gt; shows in which of the usual extensions a name is still free, &lt;b&gt;quelcor.{de,fr,it}&lt;/b&gt; in those named.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;quelcor.*&lt;/b&gt; muestra en cuáles de las extensiones habituales un nombre sigue libre, &lt;b&gt;quelcor.{de,fr,it}&lt;/b&gt; en las indicadas.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check %1 in the usual extensions</source>
        <extracomment>%1: a name without extension (&quot;quelcor&quot;)</extracomment>
        <translation>Comprobar %1 en las extensiones habituales</translation>
    </message>
    <message>
        <source>withheld</source>
        <extracomment>The value of a field that the registry or registrar withholds (RFC 9537 redaction)</extracomment>
        <translation>no publicado</translation>
    </message>
    <message>
        <source>withheld: %1</source>
        <extracomment>The value of a field that the registry or registrar withholds; %1: the reason it gives, in its own words</extracomment>
        <translation>no publicado: %1</translation>
    </message>
    <message>
        <source>%1 (not a date)</source>
        <extracomment>%1: what a record wrote where a date belongs, which is none (&quot;294247-01-10T04:00:54Z&quot;)</extracomment>
        <translation>%1 (no es una fecha)</translation>
    </message>
    <message>
        <source>Withheld</source>
        <extracomment>What the record says it withholds, as it names it (&quot;Registrant Name (Server policy)&quot;)</extracomment>
        <translation>No publicado</translation>
    </message>
    <message>
        <source>Host name</source>
        <extracomment>The host name that was asked, which lies below the registered domain</extracomment>
        <translation>Nombre de host</translation>
    </message>
    <message>
        <source>Host addresses</source>
        <translation>Direcciones del host</translation>
    </message>
    <message>
        <source>Host status</source>
        <translation>Estado del host</translation>
    </message>
    <message>
        <source>holder withheld</source>
        <extracomment>Of a domain name whose holder the registrar does not show (RFC 9537 redaction)</extracomment>
        <translation>titular no publicado</translation>
    </message>
    <message>
        <source>Watch: its history, a calendar of its dates, a feed of its changes</source>
        <translation>Vigilar: su historial, un calendario de sus fechas, un canal de sus cambios</translation>
    </message>
    <message>
        <source>%1 is not a domain name that can be watched.</source>
        <extracomment>A name asked to be watched that is not one; %1 is what was given.</extracomment>
        <translation>%1 no es un nombre de dominio que se pueda vigilar.</translation>
    </message>
    <message>
        <source>Name the domain names to watch, such as names=example.com,example.org.</source>
        <extracomment>&quot;names=&quot; is the parameter of the address and stays as it is.</extracomment>
        <translation>Indique los nombres de dominio que desea vigilar, por ejemplo names=example.com,example.org.</translation>
    </message>
    <message>
        <source>At most %1 names can be watched together.</source>
        <translation>Se pueden vigilar como máximo %1 nombres a la vez.</translation>
    </message>
    <message>
        <source>What this site saw of %1, newest first: each time something changed.</source>
        <translation>Lo que este sitio ha visto de %1, lo más reciente primero: cada vez que algo cambió.</translation>
    </message>
    <message>
        <source>Nothing yet: the site looks the name up now, and again as its dates near. Come back later.</source>
        <translation>Nada todavía: el sitio busca el nombre ahora, y de nuevo cuando se acerquen sus fechas. Vuelva más tarde.</translation>
    </message>
    <message>
        <source>Seen</source>
        <extracomment>The heading of a column of dates and times (UTC) at which the site saw a change.</extracomment>
        <translation>Visto el</translation>
    </message>
    <message>
        <source>What changed</source>
        <translation>Qué cambió</translation>
    </message>
    <message>
        <source>Watch</source>
        <extracomment>A heading, above the addresses of the name&apos;s calendar and feed.</extracomment>
        <translation>Vigilancia</translation>
    </message>
    <message>
        <source>Calendar of its dates (iCalendar)</source>
        <translation>Calendario de sus fechas (iCalendar)</translation>
    </message>
    <message>
        <source>Feed of its changes (Atom)</source>
        <translation>Canal de sus cambios (Atom)</translation>
    </message>
    <message>
        <source>History as JSON</source>
        <translation>Historial en JSON</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>Historial de %1</translation>
    </message>
    <message>
        <source>registered</source>
        <translation>registrado</translation>
    </message>
    <message>
        <source>expired, in its grace period</source>
        <translation>vencido, en período de gracia</translation>
    </message>
    <message>
        <source>in its redemption period</source>
        <translation>en período de redención</translation>
    </message>
    <message>
        <source>available</source>
        <translation>disponible</translation>
    </message>
    <message>
        <source>reserved by its registry</source>
        <translation>reservado por su registro</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <extracomment>What the site saw of a watched name first. %1: the domain name; %2: its phase, one of &quot;registered&quot;, &quot;expired, in its grace period&quot;, &quot;in its redemption period&quot;, &quot;about to be deleted&quot;, &quot;available&quot;, &quot;reserved by its registry&quot;.</extracomment>
        <translation>%1 está %2</translation>
    </message>
    <message>
        <source>%1 is now %2</source>
        <extracomment>A watched name&apos;s phase changed. %1: the domain name; %2: its phase, one of &quot;registered&quot;, &quot;expired, in its grace period&quot;, &quot;in its redemption period&quot;, &quot;about to be deleted&quot;, &quot;available&quot;, &quot;reserved by its registry&quot;.</extracomment>
        <translation>%1 ahora está %2</translation>
    </message>
    <message>
        <source>%1 expires</source>
        <extracomment>Titles of a calendar&apos;s events, on the day they name. %1: the domain name.</extracomment>
        <translation>%1 vence</translation>
    </message>
    <message>
        <source>%1: its grace period ends</source>
        <translation>%1: termina su período de gracia</translation>
    </message>
    <message>
        <source>%1: its redemption period ends</source>
        <translation>%1: termina su período de redención</translation>
    </message>
    <message>
        <source>estimate</source>
        <extracomment>In parentheses after a calendar event&apos;s title whose date is an estimate.</extracomment>
        <translation>estimación</translation>
    </message>
    <message>
        <source>being asked</source>
        <translation>consultando</translation>
    </message>
    <message>
        <source>This address has asked for many calendars, feeds and histories lately. Try again in %1 seconds.</source>
        <extracomment>%1: a number of seconds.</extracomment>
        <translation>Desde esta dirección se han pedido muchos calendarios, canales e historiales últimamente. Inténtelo de nuevo dentro de %1 s.</translation>
    </message>
    <message>
        <source>The site watches as many names as it can. Try again in an hour.</source>
        <extracomment>The answer to a calendar, feed or history of a name new to the site when it watches as many names as it may (the operator&apos;s bound); sent with Retry-After: 3600.</extracomment>
        <translation>El sitio ya vigila tantos nombres como puede. Inténtelo de nuevo dentro de una hora.</translation>
    </message>
    <message>
        <source>This address has brought %1 names to watch, as many as one may. A name nobody asks for is let go after %2 days.</source>
        <extracomment>%1: the most names one address may bring; %2: the days a name stays watched after it was last asked for.</extracomment>
        <translation>Desde esta dirección ya se vigilan %1 nombres, el máximo permitido. Un nombre que nadie consulta deja de vigilarse al cabo de %2 días.</translation>
    </message>
    <message>
        <source>A name new to the site is looked up first, and that counts as a lookup of yours: this address has asked for many lately. Try again in %1 seconds; the names looked up so far stay watched.</source>
        <extracomment>%1: a number of seconds.</extracomment>
        <translation>Un nombre nuevo para el sitio se busca primero, y eso cuenta como una búsqueda suya: desde esta dirección se han hecho muchas búsquedas últimamente. Inténtelo de nuevo dentro de %1 s; los nombres buscados hasta ahora se siguen vigilando.</translation>
    </message>
    <message>
        <source>alarms takes up to five numbers of days before a date, each from 0 to 366 (such as alarms=30,7).</source>
        <extracomment>&quot;alarms&quot; is the parameter of the address and stays as it is.</extracomment>
        <translation>alarms admite hasta cinco números de días antes de una fecha, cada uno de 0 a 366 (por ejemplo alarms=30,7).</translation>
    </message>
    <message>
        <source>%1, %2 UTC</source>
        <extracomment>When the site saw a change. %1: a date in words; %2: the time of day (UTC).</extracomment>
        <translation>%1, %2 UTC</translation>
    </message>
    <message>
        <source>Subscribe without an account: give the calendar&apos;s address to a calendar program, and the feed&apos;s to a feed reader.</source>
        <translation>Suscríbase sin cuenta: indique la dirección del calendario en un programa de calendario y la del canal en un lector de canales.</translation>
    </message>
    <message>
        <source>(none)</source>
        <extracomment>A field&apos;s value in a watched name&apos;s history when the record gave none: a registrar, name servers, statuses or an expiry date.</extracomment>
        <translation>(sin datos)</translation>
    </message>
    <message>
        <source>about to be deleted</source>
        <extracomment>A watched name&apos;s phase, after &quot;%1 is now&quot; or &quot;%1 is&quot;: the registry deletes it within days (the lookup page&apos;s status &quot;about to be deleted&quot; in the Status context says the same).</extracomment>
        <translation>a punto de ser eliminado</translation>
    </message>
    <message>
        <source>%1 is registered and expires on %2</source>
        <extracomment>What the site saw of a watched name first. %1: the domain name; %2: its expiry date in words.</extracomment>
        <translation>%1 está registrado y vence el %2</translation>
    </message>
    <message>
        <source>%1: the registrar was %2 and is now %3</source>
        <extracomment>A watched name&apos;s record changed. %1: the domain name; %2 and %3: the values before and after, or &quot;(none)&quot;.</extracomment>
        <translation>%1: el registrador era %2 y ahora es %3</translation>
    </message>
    <message>
        <source>%1: the name servers were %2 and are now %3</source>
        <extracomment>As above; %2 and %3: lists of name servers, or &quot;(none)&quot;.</extracomment>
        <translation>%1: los servidores de nombres eran %2 y ahora son %3</translation>
    </message>
    <message>
        <source>%1: the statuses were %2 and are now %3</source>
        <extracomment>As above; %2 and %3: lists of statuses in words, or &quot;(none)&quot;.</extracomment>
        <translation>%1: los estados eran %2 y ahora son %3</translation>
    </message>
    <message>
        <source>%1: the expiry date was %2 and is now %3</source>
        <extracomment>As above; %2 and %3: dates in words, or &quot;(none)&quot;.</extracomment>
        <translation>%1: la fecha de vencimiento era %2 y ahora es %3</translation>
    </message>
    <message>
        <source>%1 may become available</source>
        <extracomment>A calendar event&apos;s title on the estimated day a leaving name may be registered again. %1: the name.</extracomment>
        <translation>%1 podría quedar disponible</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Two changes of a watched name seen at once, one after the other.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Evidence: %1</source>
        <extracomment>One line under a lookup&apos;s verdict: what it rests on (the server asked and the line of its answer that decided, or the status of its answer). %1: that, in a sentence.</extracomment>
        <translation>Prueba: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n extension(s)</source>
        <extracomment>%1: a name without extension, checked in %n extensions</extracomment>
        <translation>
            <numerusform>%1 en %n extensión</numerusform>
            <numerusform>%1 en %n extensiones</numerusform>
        </translation>
    </message>
    <message>
        <source>Evidence (ZIP)</source>
        <extracomment>A link beside Download that saves every answer the site received for the lookup, as received, in a ZIP file</extracomment>
        <translation>Pruebas (ZIP)</translation>
    </message>
    <message>
        <source>Report abuse</source>
        <extracomment>The heading of the section that says whom to tell of abuse by a name, an address or a network</extracomment>
        <translation>Denunciar abuso</translation>
    </message>
    <message>
        <source>Write to them in this order. Each says where the record names it, to check it.</source>
        <extracomment>Under &quot;Report abuse&quot;: the contacts below are in the order to write to them, each with the record and field it was read from</extracomment>
        <translation>Escríbales en este orden. Cada uno indica dónde lo nombra el registro, para comprobarlo.</translation>
    </message>
    <message>
        <source>Hosting network</source>
        <extracomment>The role of an abuse contact: the network of an address that the domain name points to</extracomment>
        <translation>Red de alojamiento</translation>
    </message>
    <message>
        <source>DNS network</source>
        <extracomment>The role of an abuse contact: the network of an address of one of the domain&apos;s name servers</extracomment>
        <translation>Red DNS</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The role of an abuse contact: the IP network or AS number asked about, or one that contains it</extracomment>
        <translation>Red</translation>
    </message>
    <message>
        <source>Registry</source>
        <extracomment>The role of an abuse contact: the registry that runs the domain&apos;s top-level domain</extracomment>
        <translation>Registro</translation>
    </message>
    <message>
        <source>From %1: %2</source>
        <extracomment>Where an abuse contact was read. %1: a server or address (URL), %2: the field</extracomment>
        <translation>De %1: %2</translation>
    </message>
    <message>
        <source>From %1, line %2: %3</source>
        <extracomment>Where an abuse contact was read in a whois answer. %1: a server, %2: a line&apos;s number, %3: the key</extracomment>
        <translation>De %1, línea %2: %3</translation>
    </message>
    <message>
        <source>For %1 (%2)</source>
        <extracomment>The name and address whose network an abuse contact is. %1: a domain name or name server, %2: its address</extracomment>
        <translation>Para %1 (%2)</translation>
    </message>
    <message>
        <source>%1 names no abuse contact of its own; this is the contact of a network that contains it.</source>
        <extracomment>%1: a network (its range) whose own record names no abuse contact</extracomment>
        <translation>%1 no nombra ningún contacto de abuso propio; este es el contacto de una red que la contiene.</translation>
    </message>
    <message>
        <source>Find more contacts: the registry&apos;s, the networks that contain or host it (takes more lookups)</source>
        <extracomment>A link under &quot;Report abuse&quot; that looks further: the registry&apos;s contact, the networks that contain an address, the networks that host a domain (each lookup counts against the visitor&apos;s lookups)</extracomment>
        <translation>Buscar más contactos: el del registro, los de las redes que lo contienen o alojan (requiere más consultas)</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>active</source>
        <translation>activo</translation>
    </message>
    <message>
        <source>inactive (no name servers)</source>
        <translation>inactivo (sin servidores de nombres)</translation>
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
        <translation>registrado mediante un proxy</translation>
    </message>
    <message>
        <source>private</source>
        <translation>privado</translation>
    </message>
    <message>
        <source>some data removed</source>
        <extracomment>Some of the record&apos;s data was left out (not the domain name deleted)</extracomment>
        <translation>algunos datos eliminados</translation>
    </message>
    <message>
        <source>some data altered</source>
        <extracomment>Some of the record&apos;s data was altered or masked (not the domain name blocked)</extracomment>
        <translation>algunos datos alterados</translation>
    </message>
    <message>
        <source>associated with another object</source>
        <translation>asociado a otro objeto</translation>
    </message>
    <message>
        <source>renewal locked</source>
        <translation>renovación bloqueada</translation>
    </message>
    <message>
        <source>changes locked</source>
        <translation>cambios bloqueados</translation>
    </message>
    <message>
        <source>transfer locked</source>
        <translation>transferencia bloqueada</translation>
    </message>
    <message>
        <source>deletion locked</source>
        <translation>eliminación bloqueada</translation>
    </message>
    <message>
        <source>deletion locked by the registrar</source>
        <translation>eliminación bloqueada por el registrador</translation>
    </message>
    <message>
        <source>renewal locked by the registrar</source>
        <translation>renovación bloqueada por el registrador</translation>
    </message>
    <message>
        <source>transfer locked by the registrar</source>
        <translation>transferencia bloqueada por el registrador</translation>
    </message>
    <message>
        <source>changes locked by the registrar</source>
        <translation>cambios bloqueados por el registrador</translation>
    </message>
    <message>
        <source>kept out of the DNS by the registrar</source>
        <translation>excluido del DNS por el registrador</translation>
    </message>
    <message>
        <source>deletion locked by the registry</source>
        <translation>eliminación bloqueada por el registro</translation>
    </message>
    <message>
        <source>renewal locked by the registry</source>
        <translation>renovación bloqueada por el registro</translation>
    </message>
    <message>
        <source>transfer locked by the registry</source>
        <translation>transferencia bloqueada por el registro</translation>
    </message>
    <message>
        <source>changes locked by the registry</source>
        <translation>cambios bloqueados por el registro</translation>
    </message>
    <message>
        <source>kept out of the DNS by the registry</source>
        <translation>excluido del DNS por el registro</translation>
    </message>
    <message>
        <source>being created</source>
        <translation>en proceso de creación</translation>
    </message>
    <message>
        <source>being renewed</source>
        <translation>en proceso de renovación</translation>
    </message>
    <message>
        <source>being transferred</source>
        <translation>en proceso de transferencia</translation>
    </message>
    <message>
        <source>being changed</source>
        <translation>en proceso de modificación</translation>
    </message>
    <message>
        <source>about to be deleted</source>
        <translation>a punto de ser eliminado</translation>
    </message>
    <message>
        <source>being restored</source>
        <translation>en proceso de restauración</translation>
    </message>
    <message>
        <source>newly registered (grace period)</source>
        <translation>recién registrado (período de gracia)</translation>
    </message>
    <message>
        <source>renewed automatically (grace period)</source>
        <translation>renovado automáticamente (período de gracia)</translation>
    </message>
    <message>
        <source>recently renewed (grace period)</source>
        <translation>renovado recientemente (período de gracia)</translation>
    </message>
    <message>
        <source>recently transferred (grace period)</source>
        <translation>transferido recientemente (período de gracia)</translation>
    </message>
    <message>
        <source>expired but still redeemable (redemption period)</source>
        <translation>vencido pero aún recuperable (período de redención)</translation>
    </message>
    <message>
        <source>reserved by the registry</source>
        <translation>reservado por el registro</translation>
    </message>
    <message>
        <source>registered</source>
        <translation>registrado</translation>
    </message>
    <message>
        <source>granted to the holder</source>
        <translation>concedido al titular</translation>
    </message>
    <message>
        <source>in the DNS</source>
        <translation>en el DNS</translation>
    </message>
    <message>
        <source>holder verified</source>
        <translation>titular verificado</translation>
    </message>
    <message>
        <source>assigned</source>
        <translation>asignado</translation>
    </message>
    <message>
        <source>assigned, provider-independent</source>
        <translation>asignado, independiente del proveedor</translation>
    </message>
    <message>
        <source>allocated</source>
        <translation>adjudicado</translation>
    </message>
    <message>
        <source>legacy (held since before the regional registries)</source>
        <translation>heredado (otorgado antes de los registros regionales)</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>Available</source>
        <extracomment>The verdict on a domain name that is not registered: it can be registered</extracomment>
        <translation>Disponible</translation>
    </message>
    <message>
        <source>Registered</source>
        <translation>Registrado</translation>
    </message>
    <message>
        <source>Reserved or blocked</source>
        <translation>Reservado o bloqueado</translation>
    </message>
    <message>
        <source>Registry busy</source>
        <translation>Registro ocupado</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Sin respuesta</translation>
    </message>
    <message>
        <source>Allocated</source>
        <extracomment>The verdict on an address range or AS numbers that a registry has given out</extracomment>
        <translation>Adjudicado</translation>
    </message>
    <message>
        <source>No record</source>
        <translation>Sin datos</translation>
    </message>
    <message>
        <source>Top-level domain</source>
        <translation>Dominio de primer nivel</translation>
    </message>
    <message>
        <source>Not looked up</source>
        <extracomment>The verdict on a special-purpose address or number, which no registry holds</extracomment>
        <translation>No consultado</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The answer for an extension whose registry could not be asked or did not answer
----------
The verdict when the registry answered but its answer says neither that the name is registered nor that it is free</extracomment>
        <translation>Desconocido</translation>
    </message>
</context>
<context>
    <name>Word</name>
    <message>
        <source>address</source>
        <translation>dirección</translation>
    </message>
    <message>
        <source>network</source>
        <translation>red</translation>
    </message>
    <message>
        <source>AS number</source>
        <translation>número AS</translation>
    </message>
    <message>
        <source>domain name</source>
        <translation>nombre de dominio</translation>
    </message>
    <message>
        <source>&quot;this network&quot;</source>
        <translation>«esta red»</translation>
    </message>
    <message>
        <source>private</source>
        <translation>privado</translation>
    </message>
    <message>
        <source>shared</source>
        <translation>compartido</translation>
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
        <translation>asignación de protocolo</translation>
    </message>
    <message>
        <source>documentation</source>
        <translation>documentación</translation>
    </message>
    <message>
        <source>6to4 relay anycast</source>
        <translation>anycast de relay 6to4</translation>
    </message>
    <message>
        <source>benchmarking</source>
        <translation>pruebas de rendimiento</translation>
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
        <translation>no especificado</translation>
    </message>
    <message>
        <source>deprecated IPv4-compatible</source>
        <translation>forma compatible con IPv4, obsoleta</translation>
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
        <translation>solo descarte</translation>
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
        <translation>dominio de primer nivel</translation>
    </message>
</context>
</TS>
