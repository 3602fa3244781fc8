<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Message</name>
    <message>
        <source>Type a domain name, such as example.com.</source>
        <translation>Geben Sie einen Domainnamen ein, zum Beispiel example.com.</translation>
    </message>
    <message>
        <source>A domain name holds no blanks, line breaks or control characters.</source>
        <translation>Ein Domainname enthält keine Leerzeichen, Zeilenumbrüche oder Steuerzeichen.</translation>
    </message>
    <message>
        <source>A domain name does not start with a hyphen.</source>
        <translation>Ein Domainname beginnt nicht mit einem Bindestrich.</translation>
    </message>
    <message>
        <source>This is not a valid domain name.</source>
        <translation>Dies ist kein gültiger Domainname.</translation>
    </message>
    <message>
        <source>A domain name has at most 253 characters.</source>
        <translation>Ein Domainname hat höchstens 253 Zeichen.</translation>
    </message>
    <message>
        <source>A domain name has no empty labels (two dots in a row).</source>
        <translation>Ein Domainname enthält keine leeren Teile (zwei Punkte hintereinander).</translation>
    </message>
    <message>
        <source>Each part of a domain name has at most 63 characters.</source>
        <translation>Jeder Teil eines Domainnamens hat höchstens 63 Zeichen.</translation>
    </message>
    <message>
        <source>No part of a domain name starts or ends with a hyphen.</source>
        <translation>Kein Teil eines Domainnamens beginnt oder endet mit einem Bindestrich.</translation>
    </message>
    <message>
        <source>A domain name holds only letters, digits, hyphens and dots.</source>
        <translation>Ein Domainname enthält nur Buchstaben, Ziffern, Bindestriche und Punkte.</translation>
    </message>
    <message>
        <source>An AS number is a whole number from 0 to 4294967295.</source>
        <translation>Eine AS-Nummer ist eine ganze Zahl von 0 bis 4294967295.</translation>
    </message>
    <message>
        <source>This is not a valid IPv6 address.</source>
        <translation>Dies ist keine gültige IPv6-Adresse.</translation>
    </message>
    <message>
        <source>An IPv4 address is four numbers from 0 to 255, such as 192.0.2.1.</source>
        <translation>Eine IPv4-Adresse besteht aus vier Zahlen von 0 bis 255, zum Beispiel 192.0.2.1.</translation>
    </message>
    <message>
        <source>A network&apos;s prefix length is a number from 0 to 32 for IPv4 and from 0 to 128 for IPv6.</source>
        <translation>Die Präfixlänge eines Netzes ist eine Zahl von 0 bis 32 bei IPv4 und von 0 bis 128 bei IPv6.</translation>
    </message>
    <message>
        <source>An IPv4-mapped network has a prefix length from 96 to 128.</source>
        <translation>Ein Netz aus IPv4-gemappten Adressen hat eine Präfixlänge von 96 bis 128.</translation>
    </message>
    <message>
        <source>%1 is a %2 %3 (%4); no registry holds a record for it.</source>
        <extracomment>%1: the address, network or AS number as asked; %2: its kind (a word: &quot;private&quot;, &quot;documentation&quot;); %3: what it is (a word: &quot;address&quot;, &quot;network&quot;); %4: where the kind is defined (&quot;RFC 1918&quot;), or a nested reason</extracomment>
        <translation>%1 (%3) liegt in einem besonderen Bereich: %2 (%4); keine Registry führt einen Eintrag dafür.</translation>
    </message>
    <message>
        <source>%1 is an %2 %3 (%4); no registry holds a record for it.</source>
        <extracomment>The same as the sentence with &quot;a&quot;: English needs &quot;an&quot; before a vowel sound; translate both alike.</extracomment>
        <translation>%1 (%3) liegt in einem besonderen Bereich: %2 (%4); keine Registry führt einen Eintrag dafür.</translation>
    </message>
    <message>
        <source>%1, carrying the %3 address %2</source>
        <extracomment>%1: the defining document (&quot;RFC 6052&quot;); %2: the IPv4 address carried; %3: its kind (a word)</extracomment>
        <translation>%1, eingebettete Adresse %2: %3</translation>
    </message>
    <message>
        <source>not an address</source>
        <translation>keine Adresse</translation>
    </message>
    <message>
        <source>the name %1 could not be resolved</source>
        <extracomment>%1: a host name</extracomment>
        <translation>der Name %1 konnte nicht aufgelöst werden</translation>
    </message>
    <message>
        <source>%1 is at %2, which is not a public address</source>
        <extracomment>%1: a host name; %2: the address it resolves to</extracomment>
        <translation>%1 hat die Adresse %2, die nicht öffentlich ist</translation>
    </message>
    <message>
        <source>%1 is not an http or https address</source>
        <extracomment>%1: an address (URL) that a server named</extracomment>
        <translation>%1 ist keine http- oder https-Adresse</translation>
    </message>
    <message>
        <source>no complete answer within %1 s</source>
        <extracomment>%1: a number of seconds</extracomment>
        <translation>keine vollständige Antwort innerhalb von %1 s</translation>
    </message>
    <message>
        <source>no connection within %1 s</source>
        <extracomment>%1: a number of seconds</extracomment>
        <translation>keine Verbindung innerhalb von %1 s</translation>
    </message>
    <message>
        <source>a redirect was refused: %1</source>
        <extracomment>%1: why (a reason of its own)</extracomment>
        <translation>eine Umleitung wurde abgelehnt: %1</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>an HTTP status that is no answer (%1)</source>
        <extracomment>%1: an HTTP status number</extracomment>
        <translation>ein HTTP-Status, der keine Antwort ist (%1)</translation>
    </message>
    <message>
        <source>the lookup service redirected too often</source>
        <translation>der Abfragedienst hat zu oft umgeleitet</translation>
    </message>
    <message>
        <source>The RDAP bootstrap file could not be read: its fetch was abandoned</source>
        <translation>Die RDAP-Bootstrap-Datei konnte nicht gelesen werden: ihr Abruf wurde abgebrochen</translation>
    </message>
    <message>
        <source>status %1</source>
        <extracomment>%1: an HTTP status number</extracomment>
        <translation>Status %1</translation>
    </message>
    <message>
        <source>the file is too long</source>
        <translation>die Datei ist zu lang</translation>
    </message>
    <message>
        <source>the file is not a bootstrap file</source>
        <translation>die Datei ist keine Bootstrap-Datei</translation>
    </message>
    <message>
        <source>The RDAP bootstrap file could not be read: %1</source>
        <extracomment>%1: why (a reason of its own)</extracomment>
        <translation>Die RDAP-Bootstrap-Datei konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Too many lookups from your address are under way. Try again in 5 s.</source>
        <translation>Von Ihrer Adresse laufen zu viele Abfragen gleichzeitig. Versuchen Sie es in 5 s erneut.</translation>
    </message>
    <message>
        <source>%1 is not registered.</source>
        <extracomment>%1: the domain name</extracomment>
        <translation>%1 ist nicht registriert.</translation>
    </message>
    <message>
        <source>No registry holds a record for %1.</source>
        <extracomment>%1: the address, network or AS number</extracomment>
        <translation>Keine Registry führt einen Eintrag für %1.</translation>
    </message>
    <message>
        <source>The registry is limiting how often it is asked. Try again later.</source>
        <translation>Die Registry begrenzt, wie oft sie abgefragt werden kann. Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>The lookup took longer than %1 s and was given up.</source>
        <extracomment>%1: a number of seconds</extracomment>
        <translation>Die Abfrage dauerte länger als %1 s und wurde abgebrochen.</translation>
    </message>
    <message>
        <source>%1; whois was asked instead.</source>
        <extracomment>%1: why RDAP could not be used (a sentence of its own)</extracomment>
        <translation>%1; stattdessen wurde Whois abgefragt.</translation>
    </message>
    <message>
        <source>The registry&apos;s lookup service (%1) could not be asked: %2.</source>
        <extracomment>%1: the registry server&apos;s host name; %2: why (a reason of its own)</extracomment>
        <translation>Der Abfragedienst der Registry (%1) konnte nicht abgefragt werden: %2.</translation>
    </message>
    <message>
        <source>The registry&apos;s lookup service answered with status %1.</source>
        <extracomment>%1: an HTTP status number</extracomment>
        <translation>Der Abfragedienst der Registry antwortete mit Status %1.</translation>
    </message>
    <message>
        <source>The registry&apos;s record was longer than the site reads and could not be read.</source>
        <translation>Der Eintrag der Registry war zu lang für die Website und konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The registry&apos;s answer is not a record the site can read.</source>
        <translation>Die Antwort der Registry ist kein Eintrag, den die Website lesen kann.</translation>
    </message>
    <message>
        <source>not a record the site can read</source>
        <translation>kein Eintrag, den die Website lesen kann</translation>
    </message>
    <message>
        <source>The registrar&apos;s record (%1) could not be read: %2.</source>
        <extracomment>%1: the registrar server&apos;s host name; %2: why (a reason of its own)</extracomment>
        <translation>Der Eintrag des Registrars (%1) konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>refused to ask it: %1</source>
        <extracomment>%1: why (a reason of its own)</extracomment>
        <translation>die Website hat die Abfrage verweigert: %1</translation>
    </message>
    <message>
        <source>it closed the connection without an answer</source>
        <translation>die Verbindung wurde ohne Antwort geschlossen</translation>
    </message>
    <message>
        <source>The registrar&apos;s whois server %1 could not be asked: %2.</source>
        <extracomment>%1: a whois server (host name, perhaps with a port); %2: why (a reason of its own)</extracomment>
        <translation>Der Whois-Server %1 des Registrars konnte nicht abgefragt werden: %2.</translation>
    </message>
    <message>
        <source>The whois server %1 that the registry refers to could not be asked: %2.</source>
        <extracomment>%1: a whois server (host name, perhaps with a port); %2: why (a reason of its own)</extracomment>
        <translation>Der Whois-Server %1, auf den die Registry verweist, konnte nicht abgefragt werden: %2.</translation>
    </message>
    <message>
        <source>The whois server %1 could not be asked: %2.</source>
        <extracomment>%1: a whois server (host name, perhaps with a port); %2: why (a reason of its own)</extracomment>
        <translation>Der Whois-Server %1 konnte nicht abgefragt werden: %2.</translation>
    </message>
    <message>
        <source>The whois server %1 that the registry refers to is limiting how often it is asked; its record is left out.</source>
        <extracomment>%1: a whois server (host name, perhaps with a port)</extracomment>
        <translation>Der Whois-Server %1, auf den die Registry verweist, begrenzt, wie oft er abgefragt werden kann; sein Eintrag wird nicht angezeigt.</translation>
    </message>
    <message>
        <source>There is no lookup service for the extension .%1.</source>
        <extracomment>%1: the extension, without its dot (&quot;com&quot;)</extracomment>
        <translation>Für die Endung .%1 gibt es keinen Abfragedienst.</translation>
    </message>
    <message>
        <source>There is no lookup service for %1.</source>
        <extracomment>%1: the address, network or AS number</extracomment>
        <translation>Für %1 gibt es keinen Abfragedienst.</translation>
    </message>
    <message>
        <source>%1 is reserved or blocked by the registry and cannot be registered.</source>
        <extracomment>%1: the domain name</extracomment>
        <translation>%1 ist von der Registry reserviert oder gesperrt und kann nicht registriert werden.</translation>
    </message>
    <message>
        <source>.%1 is not a top-level domain of the root zone.</source>
        <extracomment>%1: what was asked, without a dot (&quot;qqq&quot;)</extracomment>
        <translation>.%1 ist keine Top-Level-Domain der Root-Zone.</translation>
    </message>
    <message>
        <source>%1; IANA&apos;s whois was asked instead.</source>
        <extracomment>%1: why IANA&apos;s RDAP service could not be used (a sentence of its own)</extracomment>
        <translation>%1; stattdessen wurde Whois bei der IANA abgefragt.</translation>
    </message>
    <message>
        <source>Not asked: your address has asked many registries lately.</source>
        <translation>Nicht abgefragt: Ihre Adresse hat in letzter Zeit viele Registries abgefragt.</translation>
    </message>
    <message>
        <source>The registry&apos;s lookup service answered with status %1: %2.</source>
        <extracomment>%1: an HTTP status number; %2: the registry&apos;s own words, as it sent them (often English)</extracomment>
        <translation>Der Abfragedienst der Registry antwortete mit Status %1: %2.</translation>
    </message>
    <message>
        <source>status %1: %2</source>
        <extracomment>%1: an HTTP status number; %2: the server&apos;s own words, as it sent them (often English)</extracomment>
        <translation>Status %1: %2</translation>
    </message>
    <message>
        <source>%1 looks like a contact&apos;s handle. Handles are not looked up here: type the domain name, address or AS number whose record names it.</source>
        <extracomment>%1: what was typed, such as SD12478-RIPE. &quot;record&quot;: the registration record (the data), not the registry.</extracomment>
        <translation>%1 sieht wie das Kennzeichen (Handle) eines Kontakts aus. Handles werden hier nicht abgefragt: Geben Sie den Domainnamen, die Adresse oder die AS-Nummer ein, deren Eintrag es nennt.</translation>
    </message>
    <message>
        <source>At most %1 extensions can be checked at once.</source>
        <extracomment>%1: a number (50)</extracomment>
        <translation>Es können höchstens %1 Endungen auf einmal geprüft werden.</translation>
    </message>
    <message>
        <source>the server did not prove that it is %1 (%2), so nothing was asked of it</source>
        <extracomment>%1: a server&apos;s host name; %2: why (a reason of its own)</extracomment>
        <translation>der Server hat nicht nachgewiesen, dass er %1 ist (%2), daher wurde er nichts gefragt</translation>
    </message>
    <message>
        <source>its certificate is for another name</source>
        <extracomment>Why a server&apos;s certificate was refused: said inside &quot;the server did not prove that it is %1 (…)&quot;</extracomment>
        <translation>sein Zertifikat gilt für einen anderen Namen</translation>
    </message>
    <message>
        <source>its certificate is signed by itself, not by a certificate authority</source>
        <extracomment>Why a server&apos;s certificate was refused: said inside &quot;the server did not prove that it is %1 (…)&quot;</extracomment>
        <translation>sein Zertifikat ist von ihm selbst signiert, nicht von einer Zertifizierungsstelle</translation>
    </message>
    <message>
        <source>its certificate has expired or is not yet valid</source>
        <extracomment>Why a server&apos;s certificate was refused: said inside &quot;the server did not prove that it is %1 (…)&quot;</extracomment>
        <translation>sein Zertifikat ist abgelaufen oder noch nicht gültig</translation>
    </message>
    <message>
        <source>its certificate is from an authority that is not trusted</source>
        <extracomment>Why a server&apos;s certificate was refused: said inside &quot;the server did not prove that it is %1 (…)&quot;</extracomment>
        <translation>sein Zertifikat stammt von einer Stelle, der nicht vertraut wird</translation>
    </message>
    <message>
        <source>%1 would be asked in plain text, after a question asked over https</source>
        <extracomment>Why a redirect was refused. %1: the address (URL) it leads to, which begins with http://</extracomment>
        <translation>%1 würde im Klartext gefragt, nach einer Frage über https</translation>
    </message>
    <message>
        <source>The registry answered, but its answer does not say whether %1 is registered.</source>
        <extracomment>Under the verdict &quot;Unknown&quot;: the registry&apos;s answer (the page shows it whole) has no wording the site knows and no field it reads. %1: the domain name.</extracomment>
        <translation>Die Registry hat geantwortet, aber ihre Antwort sagt nicht, ob %1 registriert ist.</translation>
    </message>
    <message>
        <source>%1, line %2: “%3”</source>
        <extracomment>What a verdict rests on, shown under it: the line of a whois server&apos;s answer that decided. %1: the server&apos;s host name; %2: the line&apos;s number in the answer; %3: the line itself, as the server sent it (in its language).</extracomment>
        <translation>%1, Zeile %2: „%3“</translation>
    </message>
    <message>
        <source>%1 answered with HTTP status %2</source>
        <extracomment>What a verdict rests on: the status of the registry&apos;s RDAP answer. %1: the address (URL) asked; %2: the HTTP status, a number such as 404.</extracomment>
        <translation>%1 hat mit HTTP-Status %2 geantwortet</translation>
    </message>
    <message>
        <source>%1 answered, but no line of its answer is about %2 being registered or not</source>
        <extracomment>What the verdict &quot;Unknown&quot; rests on: an answer with no line that says. %1: the server; %2: the domain name.</extracomment>
        <translation>%1 hat geantwortet, aber keine Zeile der Antwort sagt, ob %2 registriert ist</translation>
    </message>
    <message>
        <source>the DNS delegates %1 to name servers</source>
        <extracomment>What the verdict &quot;Registered&quot; rests on in a check of a name in many extensions: the DNS names name servers for it, which only a registered name has. %1: the domain name.</extracomment>
        <translation>das DNS delegiert %1 an Nameserver</translation>
    </message>
    <message>
        <source>The registry refused the question about %1, so its answer does not say whether it is registered.</source>
        <extracomment>The registry would not answer the question (an invalid query, or a name outside the extensions it serves), so nothing says whether the name is registered. %1: the domain name.</extracomment>
        <translation>Die Registry hat die Anfrage zu %1 abgelehnt; ihre Antwort sagt also nicht, ob der Name registriert ist.</translation>
    </message>
    <message>
        <source>%1 lies within the domain %2.</source>
        <extracomment>%1: a host name such as www.example.com; %2: the registered domain it lies in (example.com). The verdict that follows is about %2.</extracomment>
        <translation>%1 gehört zur Domain %2.</translation>
    </message>
    <message>
        <source>The lookup service is busy. Try again in %1.</source>
        <extracomment>%1: a wait, as people say it: &quot;45 s&quot;, &quot;2 min&quot;, &quot;59 min 36 s&quot;, &quot;1 h 5 min&quot; (units h, min, s)</extracomment>
        <translation>Der Abfragedienst ist ausgelastet. Versuchen Sie es in %1 erneut.</translation>
    </message>
    <message>
        <source>Your address has asked for many lookups lately. Try again in %1.</source>
        <extracomment>%1: a wait, as people say it: &quot;45 s&quot;, &quot;2 min&quot;, &quot;59 min 36 s&quot;, &quot;1 h 5 min&quot; (units h, min, s)</extracomment>
        <translation>Von Ihrer Adresse kamen in letzter Zeit viele Abfragen. Versuchen Sie es in %1 erneut.</translation>
    </message>
    <message>
        <source>The registry is limiting how often it is asked. Try again in %1.</source>
        <extracomment>%1: a wait, as people say it: &quot;45 s&quot;, &quot;2 min&quot;, &quot;59 min 36 s&quot;, &quot;1 h 5 min&quot; (units h, min, s)</extracomment>
        <translation>Die Registry begrenzt, wie oft sie abgefragt werden kann. Versuchen Sie es in %1 erneut.</translation>
    </message>
    <message>
        <source>The site is pacing its questions to %1 so as not to be blocked there; its record is left out. Try again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>Die Website fragt %1 nur in Abständen ab, um dort nicht gesperrt zu werden; der Eintrag von dort wird nicht angezeigt. Versuchen Sie es in %2 erneut.</translation>
    </message>
    <message>
        <source>The site is pacing its questions to %1 so as not to be blocked there. Try again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>Die Website fragt %1 nur in Abständen ab, um dort nicht gesperrt zu werden. Versuchen Sie es in %2 erneut.</translation>
    </message>
    <message>
        <source>The registry&apos;s lookup service (%1) has failed again and again; it is asked again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>Der Abfragedienst der Registry (%1) ist wiederholt ausgefallen; er wird in %2 wieder gefragt.</translation>
    </message>
    <message>
        <source>%1 is limiting how often it is asked; its record is left out. Try again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>%1 begrenzt, wie oft es gefragt wird; sein Eintrag fehlt hier. Versuchen Sie es in %2 erneut.</translation>
    </message>
    <message>
        <source>%1 has failed again and again; its record is left out. Try again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>%1 ist wiederholt ausgefallen; sein Eintrag fehlt hier. Versuchen Sie es in %2 erneut.</translation>
    </message>
    <message>
        <source>No record names an abuse contact for %1.</source>
        <extracomment>Who to tell of abuse: no record asked names an abuse contact. %1: the domain name, address or network.</extracomment>
        <translation>Kein Datensatz nennt einen Missbrauchskontakt für %1.</translation>
    </message>
    <message>
        <source>%1 could not be looked up: %2</source>
        <extracomment>Who to tell of abuse: one of the further lookups failed. %1: a domain name, address or network; %2: why.</extracomment>
        <translation>%1 konnte nicht abgefragt werden: %2</translation>
    </message>
    <message>
        <source>Your lookups for now are spent, so the rest was not looked up. Try again in %1.</source>
        <extracomment>Who to tell of abuse: the further lookups stopped at the client&apos;s budget. %1: a duration (&quot;5 min 3 s&quot;).</extracomment>
        <translation>Ihre Abfragen sind für den Moment aufgebraucht, der Rest wurde nicht abgefragt. Versuchen Sie es in %1 erneut.</translation>
    </message>
    <message>
        <source>The site has no DNS resolver, so the networks that host %1 were not looked for.</source>
        <extracomment>Who to tell of abuse: the site cannot ask the DNS for a domain&apos;s addresses. %1: the domain name.</extracomment>
        <translation>Die Website hat keinen DNS-Resolver, daher wurden die Netze, die %1 beherbergen, nicht gesucht.</translation>
    </message>
    <message>
        <source>The DNS gives no address for %1 or its name servers.</source>
        <extracomment>Who to tell of abuse: the DNS gives no address for the domain or its name servers. %1: the domain name.</extracomment>
        <translation>Das DNS nennt keine Adresse für %1 oder seine Nameserver.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Domain name</source>
        <translation>Domainname</translation>
    </message>
    <message>
        <source>Look up</source>
        <translation>Abfragen</translation>
    </message>
    <message>
        <source>Quelcor whois lookup</source>
        <translation>Quelcor – Whois-Abfrage</translation>
    </message>
    <message>
        <source>From the site&apos;s cache: looked up %1 s ago.</source>
        <translation>Aus dem Cache der Website: vor %1 s abgefragt.</translation>
    </message>
    <message>
        <source>Record from %1</source>
        <translation>Eintrag von %1</translation>
    </message>
    <message>
        <source>The record was longer than 1 MiB; only its beginning is shown.</source>
        <translation>Der Eintrag war länger als 1 MiB; nur sein Anfang wird angezeigt.</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Whois lookup&lt;/h1&gt;&lt;p&gt;Type a domain name, such as &lt;b&gt;example.com&lt;/b&gt;, and press &lt;b&gt;Look up&lt;/b&gt; to see who registered it, with which registrar, and until when.&lt;/p&gt;&lt;p&gt;An IP address such as &lt;b&gt;8.8.8.8&lt;/b&gt;, a network such as &lt;b&gt;8.8.8.0/24&lt;/b&gt; or an AS number such as &lt;b&gt;AS15169&lt;/b&gt; shows who holds it.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Whois-Abfrage&lt;/h1&gt;&lt;p&gt;Geben Sie einen Domainnamen ein, zum Beispiel &lt;b&gt;example.com&lt;/b&gt;, und klicken Sie auf &lt;b&gt;Abfragen&lt;/b&gt;, um zu sehen, wer ihn registriert hat, bei welchem Registrar und bis wann.&lt;/p&gt;&lt;p&gt;Bei einer IP-Adresse wie &lt;b&gt;8.8.8.8&lt;/b&gt;, einem Netz wie &lt;b&gt;8.8.8.0/24&lt;/b&gt; oder einer AS-Nummer wie &lt;b&gt;AS15169&lt;/b&gt; sehen Sie, wer der Inhaber ist.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domain</translation>
    </message>
    <message>
        <source>Registrar</source>
        <extracomment>The role of an abuse contact (and a field&apos;s label): the domain&apos;s registrar</extracomment>
        <translation>Registrar</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Registered</source>
        <translation>Registriert</translation>
    </message>
    <message>
        <source>Expires</source>
        <translation>Ablaufdatum</translation>
    </message>
    <message>
        <source>Name servers</source>
        <translation>Nameserver</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Nummern</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Inhaber</translation>
    </message>
    <message>
        <source>Abuse contact</source>
        <translation>Abuse-Kontakt</translation>
    </message>
    <message>
        <source>Last changed</source>
        <translation>Zuletzt geändert</translation>
    </message>
    <message>
        <source>Download Quelcor</source>
        <translation>Quelcor herunterladen</translation>
    </message>
    <message>
        <source>&lt;p&gt;The current version of Quelcor is &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Quelcor looks up the registration records of domain names. Install it over the older version: your language choice is kept.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die aktuelle Version von Quelcor ist &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Quelcor fragt die Registrierungseinträge von Domainnamen ab. Installieren Sie die neue Version über die ältere: Ihre Sprachwahl bleibt erhalten.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Quelcor forum</source>
        <translation>Quelcor-Forum</translation>
    </message>
    <message>
        <source>&lt;p&gt;Users of Quelcor help one another here: questions about lookups, language drivers and updates.&lt;/p&gt;&lt;p&gt;Before asking, try the &lt;a href=&quot;%1&quot;&gt;lookup page&lt;/a&gt; in a desktop browser.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Hier helfen sich Nutzer von Quelcor gegenseitig: Fragen zu Abfragen, Sprachtreibern und Aktualisierungen.&lt;/p&gt;&lt;p&gt;Bevor Sie eine Frage stellen, probieren Sie die &lt;a href=&quot;%1&quot;&gt;Abfrageseite&lt;/a&gt; in einem Desktop-Browser aus.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Report a bug</source>
        <translation>Fehler melden</translation>
    </message>
    <message>
        <source>&lt;p&gt;Tell us what you did, what you expected and what happened instead, and give the version that the about window shows.&lt;/p&gt;&lt;p&gt;Write to the address shown in the about window.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Beschreiben Sie, was Sie getan haben, was Sie erwartet haben und was stattdessen geschehen ist, und nennen Sie die Version, die im Fenster „Über Quelcor“ steht.&lt;/p&gt;&lt;p&gt;Schreiben Sie an die Adresse, die im Fenster „Über Quelcor“ angegeben ist.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Quelcor is a small desktop program for looking up the registration records (whois records) of internet domain names.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;a href=&quot;%1&quot;&gt;Download&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%2&quot;&gt;Look a domain up&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%3&quot;&gt;Forum&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%4&quot;&gt;Report a bug&lt;/a&gt;&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;p&gt;Quelcor ist ein kleines Desktop-Programm, mit dem Sie die Registrierungseinträge (Whois-Einträge) von Domainnamen im Internet abfragen können.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;a href=&quot;%1&quot;&gt;Herunterladen&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%2&quot;&gt;Domain abfragen&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%3&quot;&gt;Forum&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%4&quot;&gt;Fehler melden&lt;/a&gt;&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;ul&gt;&lt;li&gt;&lt;a href=&quot;%1&quot;&gt;Quelcor&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%2&quot;&gt;Look a domain up&lt;/a&gt;&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;ul&gt;&lt;li&gt;&lt;a href=&quot;%1&quot;&gt;Quelcor&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%2&quot;&gt;Domain abfragen&lt;/a&gt;&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Page not found</source>
        <translation>Seite nicht gefunden</translation>
    </message>
    <message>
        <source>&lt;p&gt;There is no such page here. Try the &lt;a href=&quot;%1&quot;&gt;product page&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Diese Seite gibt es hier nicht. Versuchen Sie es mit der &lt;a href=&quot;%1&quot;&gt;Produktseite&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>How a date is written, in Qt&apos;s date format: d the day, MMMM the month&apos;s name, yyyy the year; text in quotes stays as it is (Spanish: d &apos;de&apos; MMMM &apos;de&apos; yyyy)</extracomment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>A button that copies the text beside it to the clipboard</extracomment>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copied</source>
        <extracomment>The copy button once it has copied</extracomment>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>A link that saves a record as a file</extracomment>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>expires today</source>
        <extracomment>Of a domain name&apos;s registration</extracomment>
        <translation>läuft heute ab</translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <extracomment>How long a registration has left (&quot;expires 3 May 2027, in 146 days&quot;), or how long ago it ran out</extracomment>
        <translation>
            <numerusform>in %n Tag</numerusform>
            <numerusform>in %n Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>expired %n day(s) ago</source>
        <translation>
            <numerusform>vor %n Tag abgelaufen</numerusform>
            <numerusform>vor %n Tagen abgelaufen</numerusform>
        </translation>
    </message>
    <message>
        <source>DNSSEC</source>
        <translation>DNSSEC</translation>
    </message>
    <message>
        <source>signed</source>
        <translation>signiert</translation>
    </message>
    <message>
        <source>not signed</source>
        <translation>nicht signiert</translation>
    </message>
    <message>
        <source>Registrar&apos;s IANA id</source>
        <translation>IANA-ID des Registrars</translation>
    </message>
    <message>
        <source>Registrar&apos;s web site</source>
        <translation>Website des Registrars</translation>
    </message>
    <message>
        <source>Top-level domain</source>
        <translation>Top-Level-Domain</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Betreiber</translation>
    </message>
    <message>
        <source>Whois server</source>
        <translation>Whois-Server</translation>
    </message>
    <message>
        <source>RDAP service</source>
        <translation>RDAP-Dienst</translation>
    </message>
    <message>
        <source>held by %1</source>
        <extracomment>%1: who holds a domain name, an address range or AS numbers</extracomment>
        <translation>Inhaber: %1</translation>
    </message>
    <message>
        <source>registrar %1</source>
        <extracomment>%1: the registrar&apos;s name</extracomment>
        <translation>Registrar: %1</translation>
    </message>
    <message>
        <source>expires %1, %2</source>
        <extracomment>%1: a date; %2: how long is left (&quot;in 146 days&quot;)</extracomment>
        <translation>Ablauf am %1, %2</translation>
    </message>
    <message>
        <source>in its redemption period: only the holder can still renew it</source>
        <translation>in der Wiederherstellungsfrist: nur der Inhaber kann die Domain noch verlängern</translation>
    </message>
    <message>
        <source>about to be deleted by the registry</source>
        <translation>von der Registry zur Löschung vorgemerkt</translation>
    </message>
    <message>
        <source>expired</source>
        <translation>abgelaufen</translation>
    </message>
    <message>
        <source>since %1</source>
        <extracomment>%1: a date</extracomment>
        <translation>seit %1</translation>
    </message>
    <message>
        <source>managed by %1</source>
        <extracomment>%1: the organisation that runs a top-level domain</extracomment>
        <translation>betrieben von %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;A top-level domain such as &lt;b&gt;de&lt;/b&gt; shows who runs it and where its registry answers.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Eine Top-Level-Domain wie &lt;b&gt;de&lt;/b&gt; zeigt, wer sie betreibt und wo ihre Registry antwortet.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Each row comes as its registry answers. Type &lt;b&gt;name.*&lt;/b&gt; for the usual extensions, or name them: &lt;b&gt;name.{de,fr,it}&lt;/b&gt;. A name with name servers in the DNS is registered; the others are asked of their registries.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Jede Zeile erscheint, sobald ihre Registry antwortet. Geben Sie &lt;b&gt;name.*&lt;/b&gt; für die üblichen Endungen ein oder nennen Sie sie: &lt;b&gt;name.{de,fr,it}&lt;/b&gt;. Ein Name mit Nameservern im DNS ist registriert; die übrigen werden bei ihren Registries abgefragt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Endung</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>it has name servers</source>
        <extracomment>Of a name found registered from its name servers in the DNS, without asking its registry</extracomment>
        <translation>hat Nameserver</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;quelcor.*&lt;/b&gt; shows in which of the usual extensions a name is still free, &lt;b&gt;quelcor.{de,fr,it}&lt;/b&gt; in those named.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;quelcor.*&lt;/b&gt; zeigt, in welchen der üblichen Endungen ein Name noch frei ist, &lt;b&gt;quelcor.{de,fr,it}&lt;/b&gt; in den genannten.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check %1 in the usual extensions</source>
        <extracomment>%1: a name without extension (&quot;quelcor&quot;)</extracomment>
        <translation>%1 in den üblichen Endungen prüfen</translation>
    </message>
    <message>
        <source>withheld</source>
        <extracomment>The value of a field that the registry or registrar withholds (RFC 9537 redaction)</extracomment>
        <translation>nicht veröffentlicht</translation>
    </message>
    <message>
        <source>withheld: %1</source>
        <extracomment>The value of a field that the registry or registrar withholds; %1: the reason it gives, in its own words</extracomment>
        <translation>nicht veröffentlicht: %1</translation>
    </message>
    <message>
        <source>%1 (not a date)</source>
        <extracomment>%1: what a record wrote where a date belongs, which is none (&quot;294247-01-10T04:00:54Z&quot;)</extracomment>
        <translation>%1 (kein Datum)</translation>
    </message>
    <message>
        <source>Withheld</source>
        <extracomment>What the record says it withholds, as it names it (&quot;Registrant Name (Server policy)&quot;)</extracomment>
        <translation>Nicht veröffentlicht</translation>
    </message>
    <message>
        <source>Host name</source>
        <extracomment>The host name that was asked, which lies below the registered domain</extracomment>
        <translation>Hostname</translation>
    </message>
    <message>
        <source>Host addresses</source>
        <translation>Host-Adressen</translation>
    </message>
    <message>
        <source>Host status</source>
        <translation>Host-Status</translation>
    </message>
    <message>
        <source>holder withheld</source>
        <extracomment>Of a domain name whose holder the registrar does not show (RFC 9537 redaction)</extracomment>
        <translation>Inhaber nicht veröffentlicht</translation>
    </message>
    <message>
        <source>Watch: its history, a calendar of its dates, a feed of its changes</source>
        <translation>Beobachten: Verlauf, Kalender seiner Termine, Feed seiner Änderungen</translation>
    </message>
    <message>
        <source>%1 is not a domain name that can be watched.</source>
        <extracomment>A name asked to be watched that is not one; %1 is what was given.</extracomment>
        <translation>%1 ist kein Domainname, der beobachtet werden kann.</translation>
    </message>
    <message>
        <source>Name the domain names to watch, such as names=example.com,example.org.</source>
        <extracomment>&quot;names=&quot; is the parameter of the address and stays as it is.</extracomment>
        <translation>Nennen Sie die zu beobachtenden Domainnamen, zum Beispiel names=example.com,example.org.</translation>
    </message>
    <message>
        <source>At most %1 names can be watched together.</source>
        <translation>Es können höchstens %1 Namen gemeinsam beobachtet werden.</translation>
    </message>
    <message>
        <source>What this site saw of %1, newest first: each time something changed.</source>
        <translation>Was diese Website bei %1 gesehen hat, das Neueste zuerst: jedes Mal, wenn sich etwas geändert hat.</translation>
    </message>
    <message>
        <source>Nothing yet: the site looks the name up now, and again as its dates near. Come back later.</source>
        <translation>Noch nichts: Die Website fragt den Namen jetzt ab und erneut, wenn seine Termine näher rücken. Schauen Sie später wieder vorbei.</translation>
    </message>
    <message>
        <source>Seen</source>
        <extracomment>The heading of a column of dates and times (UTC) at which the site saw a change.</extracomment>
        <translation>Gesehen am</translation>
    </message>
    <message>
        <source>What changed</source>
        <translation>Was sich geändert hat</translation>
    </message>
    <message>
        <source>Watch</source>
        <extracomment>A heading, above the addresses of the name&apos;s calendar and feed.</extracomment>
        <translation>Beobachten</translation>
    </message>
    <message>
        <source>Calendar of its dates (iCalendar)</source>
        <translation>Kalender seiner Termine (iCalendar)</translation>
    </message>
    <message>
        <source>Feed of its changes (Atom)</source>
        <translation>Feed seiner Änderungen (Atom)</translation>
    </message>
    <message>
        <source>History as JSON</source>
        <translation>Verlauf als JSON</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>Verlauf von %1</translation>
    </message>
    <message>
        <source>registered</source>
        <translation>registriert</translation>
    </message>
    <message>
        <source>expired, in its grace period</source>
        <translation>abgelaufen, in der Karenzzeit</translation>
    </message>
    <message>
        <source>in its redemption period</source>
        <translation>in der Wiederherstellungsfrist</translation>
    </message>
    <message>
        <source>available</source>
        <translation>verfügbar</translation>
    </message>
    <message>
        <source>reserved by its registry</source>
        <translation>von seiner Registry reserviert</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <extracomment>What the site saw of a watched name first. %1: the domain name; %2: its phase, one of &quot;registered&quot;, &quot;expired, in its grace period&quot;, &quot;in its redemption period&quot;, &quot;about to be deleted&quot;, &quot;available&quot;, &quot;reserved by its registry&quot;.</extracomment>
        <translation>%1 ist %2</translation>
    </message>
    <message>
        <source>%1 is now %2</source>
        <extracomment>A watched name&apos;s phase changed. %1: the domain name; %2: its phase, one of &quot;registered&quot;, &quot;expired, in its grace period&quot;, &quot;in its redemption period&quot;, &quot;about to be deleted&quot;, &quot;available&quot;, &quot;reserved by its registry&quot;.</extracomment>
        <translation>%1 ist jetzt %2</translation>
    </message>
    <message>
        <source>%1 expires</source>
        <extracomment>Titles of a calendar&apos;s events, on the day they name. %1: the domain name.</extracomment>
        <translation>%1 läuft ab</translation>
    </message>
    <message>
        <source>%1: its grace period ends</source>
        <translation>%1: Die Karenzzeit endet</translation>
    </message>
    <message>
        <source>%1: its redemption period ends</source>
        <translation>%1: Die Wiederherstellungsfrist endet</translation>
    </message>
    <message>
        <source>estimate</source>
        <extracomment>In parentheses after a calendar event&apos;s title whose date is an estimate.</extracomment>
        <translation>geschätzt</translation>
    </message>
    <message>
        <source>being asked</source>
        <translation>wird abgefragt</translation>
    </message>
    <message>
        <source>This address has asked for many calendars, feeds and histories lately. Try again in %1 seconds.</source>
        <extracomment>%1: a number of seconds.</extracomment>
        <translation>Von dieser Adresse wurden in letzter Zeit viele Kalender, Feeds und Verläufe angefordert. Versuchen Sie es in %1 s erneut.</translation>
    </message>
    <message>
        <source>The site watches as many names as it can. Try again in an hour.</source>
        <extracomment>The answer to a calendar, feed or history of a name new to the site when it watches as many names as it may (the operator&apos;s bound); sent with Retry-After: 3600.</extracomment>
        <translation>Die Website beobachtet bereits so viele Namen, wie sie kann. Versuchen Sie es in einer Stunde erneut.</translation>
    </message>
    <message>
        <source>This address has brought %1 names to watch, as many as one may. A name nobody asks for is let go after %2 days.</source>
        <extracomment>%1: the most names one address may bring; %2: the days a name stays watched after it was last asked for.</extracomment>
        <translation>Von dieser Adresse aus werden bereits %1 Namen beobachtet, mehr sind nicht möglich. Ein Name, nach dem niemand mehr fragt, wird nach %2 Tagen nicht mehr beobachtet.</translation>
    </message>
    <message>
        <source>A name new to the site is looked up first, and that counts as a lookup of yours: this address has asked for many lately. Try again in %1 seconds; the names looked up so far stay watched.</source>
        <extracomment>%1: a number of seconds.</extracomment>
        <translation>Ein Name, den die Website noch nicht kennt, wird zuerst abgefragt, und das zählt als Abfrage von Ihnen: Von dieser Adresse kamen in letzter Zeit viele Abfragen. Versuchen Sie es in %1 s erneut; die bisher abgefragten Namen werden weiter beobachtet.</translation>
    </message>
    <message>
        <source>alarms takes up to five numbers of days before a date, each from 0 to 366 (such as alarms=30,7).</source>
        <extracomment>&quot;alarms&quot; is the parameter of the address and stays as it is.</extracomment>
        <translation>alarms erwartet bis zu fünf Angaben in Tagen vor einem Termin, jede von 0 bis 366 (zum Beispiel alarms=30,7).</translation>
    </message>
    <message>
        <source>%1, %2 UTC</source>
        <extracomment>When the site saw a change. %1: a date in words; %2: the time of day (UTC).</extracomment>
        <translation>%1, %2 UTC</translation>
    </message>
    <message>
        <source>Subscribe without an account: give the calendar&apos;s address to a calendar program, and the feed&apos;s to a feed reader.</source>
        <translation>Abonnieren ohne Konto: Tragen Sie die Adresse des Kalenders in ein Kalenderprogramm ein und die des Feeds in einen Feedreader.</translation>
    </message>
    <message>
        <source>(none)</source>
        <extracomment>A field&apos;s value in a watched name&apos;s history when the record gave none: a registrar, name servers, statuses or an expiry date.</extracomment>
        <translation>(keine Angabe)</translation>
    </message>
    <message>
        <source>about to be deleted</source>
        <extracomment>A watched name&apos;s phase, after &quot;%1 is now&quot; or &quot;%1 is&quot;: the registry deletes it within days (the lookup page&apos;s status &quot;about to be deleted&quot; in the Status context says the same).</extracomment>
        <translation>zur Löschung vorgemerkt</translation>
    </message>
    <message>
        <source>%1 is registered and expires on %2</source>
        <extracomment>What the site saw of a watched name first. %1: the domain name; %2: its expiry date in words.</extracomment>
        <translation>%1 ist registriert und läuft am %2 ab</translation>
    </message>
    <message>
        <source>%1: the registrar was %2 and is now %3</source>
        <extracomment>A watched name&apos;s record changed. %1: the domain name; %2 and %3: the values before and after, or &quot;(none)&quot;.</extracomment>
        <translation>%1: Der Registrar war %2 und ist jetzt %3</translation>
    </message>
    <message>
        <source>%1: the name servers were %2 and are now %3</source>
        <extracomment>As above; %2 and %3: lists of name servers, or &quot;(none)&quot;.</extracomment>
        <translation>%1: Die Nameserver waren %2 und sind jetzt %3</translation>
    </message>
    <message>
        <source>%1: the statuses were %2 and are now %3</source>
        <extracomment>As above; %2 and %3: lists of statuses in words, or &quot;(none)&quot;.</extracomment>
        <translation>%1: Der Status war %2 und ist jetzt %3</translation>
    </message>
    <message>
        <source>%1: the expiry date was %2 and is now %3</source>
        <extracomment>As above; %2 and %3: dates in words, or &quot;(none)&quot;.</extracomment>
        <translation>%1: Das Ablaufdatum war %2 und ist jetzt %3</translation>
    </message>
    <message>
        <source>%1 may become available</source>
        <extracomment>A calendar event&apos;s title on the estimated day a leaving name may be registered again. %1: the name.</extracomment>
        <translation>%1 wird möglicherweise frei</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Two changes of a watched name seen at once, one after the other.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Evidence: %1</source>
        <extracomment>One line under a lookup&apos;s verdict: what it rests on (the server asked and the line of its answer that decided, or the status of its answer). %1: that, in a sentence.</extracomment>
        <translation>Beleg: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n extension(s)</source>
        <extracomment>%1: a name without extension, checked in %n extensions</extracomment>
        <translation>
            <numerusform>%1 in %n Endung</numerusform>
            <numerusform>%1 in %n Endungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Evidence (ZIP)</source>
        <extracomment>A link beside Download that saves every answer the site received for the lookup, as received, in a ZIP file</extracomment>
        <translation>Nachweis (ZIP)</translation>
    </message>
    <message>
        <source>Report abuse</source>
        <extracomment>The heading of the section that says whom to tell of abuse by a name, an address or a network</extracomment>
        <translation>Missbrauch melden</translation>
    </message>
    <message>
        <source>Write to them in this order. Each says where the record names it, to check it.</source>
        <extracomment>Under &quot;Report abuse&quot;: the contacts below are in the order to write to them, each with the record and field it was read from</extracomment>
        <translation>Schreiben Sie ihnen in dieser Reihenfolge. Bei jedem steht, wo der Datensatz ihn nennt, zum Nachprüfen.</translation>
    </message>
    <message>
        <source>Hosting network</source>
        <extracomment>The role of an abuse contact: the network of an address that the domain name points to</extracomment>
        <translation>Hosting-Netz</translation>
    </message>
    <message>
        <source>DNS network</source>
        <extracomment>The role of an abuse contact: the network of an address of one of the domain&apos;s name servers</extracomment>
        <translation>DNS-Netz</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The role of an abuse contact: the IP network or AS number asked about, or one that contains it</extracomment>
        <translation>Netz</translation>
    </message>
    <message>
        <source>Registry</source>
        <extracomment>The role of an abuse contact: the registry that runs the domain&apos;s top-level domain</extracomment>
        <translation>Registry</translation>
    </message>
    <message>
        <source>From %1: %2</source>
        <extracomment>Where an abuse contact was read. %1: a server or address (URL), %2: the field</extracomment>
        <translation>Aus %1: %2</translation>
    </message>
    <message>
        <source>From %1, line %2: %3</source>
        <extracomment>Where an abuse contact was read in a whois answer. %1: a server, %2: a line&apos;s number, %3: the key</extracomment>
        <translation>Aus %1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>For %1 (%2)</source>
        <extracomment>The name and address whose network an abuse contact is. %1: a domain name or name server, %2: its address</extracomment>
        <translation>Für %1 (%2)</translation>
    </message>
    <message>
        <source>%1 names no abuse contact of its own; this is the contact of a network that contains it.</source>
        <extracomment>%1: a network (its range) whose own record names no abuse contact</extracomment>
        <translation>%1 nennt keinen eigenen Missbrauchskontakt; dies ist der Kontakt eines Netzes, das es enthält.</translation>
    </message>
    <message>
        <source>Find more contacts: the registry&apos;s, the networks that contain or host it (takes more lookups)</source>
        <extracomment>A link under &quot;Report abuse&quot; that looks further: the registry&apos;s contact, the networks that contain an address, the networks that host a domain (each lookup counts against the visitor&apos;s lookups)</extracomment>
        <translation>Weitere Kontakte finden: den der Registry, die der Netze, die es enthalten oder beherbergen (kostet weitere Abfragen)</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>active</source>
        <translation>aktiv</translation>
    </message>
    <message>
        <source>inactive (no name servers)</source>
        <translation>inaktiv (keine Nameserver)</translation>
    </message>
    <message>
        <source>validated</source>
        <translation>validiert</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>gesperrt</translation>
    </message>
    <message>
        <source>registered through a proxy</source>
        <translation>über einen Proxy registriert</translation>
    </message>
    <message>
        <source>private</source>
        <translation>privat</translation>
    </message>
    <message>
        <source>some data removed</source>
        <extracomment>Some of the record&apos;s data was left out (not the domain name deleted)</extracomment>
        <translation>einige Daten entfernt</translation>
    </message>
    <message>
        <source>some data altered</source>
        <extracomment>Some of the record&apos;s data was altered or masked (not the domain name blocked)</extracomment>
        <translation>einige Daten verändert</translation>
    </message>
    <message>
        <source>associated with another object</source>
        <translation>mit einem anderen Objekt verknüpft</translation>
    </message>
    <message>
        <source>renewal locked</source>
        <translation>gegen Verlängerung gesperrt</translation>
    </message>
    <message>
        <source>changes locked</source>
        <translation>gegen Änderungen gesperrt</translation>
    </message>
    <message>
        <source>transfer locked</source>
        <translation>gegen Transfer gesperrt</translation>
    </message>
    <message>
        <source>deletion locked</source>
        <translation>gegen Löschung gesperrt</translation>
    </message>
    <message>
        <source>deletion locked by the registrar</source>
        <translation>vom Registrar gegen Löschung gesperrt</translation>
    </message>
    <message>
        <source>renewal locked by the registrar</source>
        <translation>vom Registrar gegen Verlängerung gesperrt</translation>
    </message>
    <message>
        <source>transfer locked by the registrar</source>
        <translation>vom Registrar gegen Transfer gesperrt</translation>
    </message>
    <message>
        <source>changes locked by the registrar</source>
        <translation>vom Registrar gegen Änderungen gesperrt</translation>
    </message>
    <message>
        <source>kept out of the DNS by the registrar</source>
        <translation>vom Registrar aus dem DNS genommen</translation>
    </message>
    <message>
        <source>deletion locked by the registry</source>
        <translation>von der Registry gegen Löschung gesperrt</translation>
    </message>
    <message>
        <source>renewal locked by the registry</source>
        <translation>von der Registry gegen Verlängerung gesperrt</translation>
    </message>
    <message>
        <source>transfer locked by the registry</source>
        <translation>von der Registry gegen Transfer gesperrt</translation>
    </message>
    <message>
        <source>changes locked by the registry</source>
        <translation>von der Registry gegen Änderungen gesperrt</translation>
    </message>
    <message>
        <source>kept out of the DNS by the registry</source>
        <translation>von der Registry aus dem DNS genommen</translation>
    </message>
    <message>
        <source>being created</source>
        <translation>wird angelegt</translation>
    </message>
    <message>
        <source>being renewed</source>
        <translation>wird verlängert</translation>
    </message>
    <message>
        <source>being transferred</source>
        <translation>wird übertragen</translation>
    </message>
    <message>
        <source>being changed</source>
        <translation>wird geändert</translation>
    </message>
    <message>
        <source>about to be deleted</source>
        <translation>zur Löschung vorgemerkt</translation>
    </message>
    <message>
        <source>being restored</source>
        <translation>wird wiederhergestellt</translation>
    </message>
    <message>
        <source>newly registered (grace period)</source>
        <translation>neu registriert (Karenzzeit)</translation>
    </message>
    <message>
        <source>renewed automatically (grace period)</source>
        <translation>automatisch verlängert (Karenzzeit)</translation>
    </message>
    <message>
        <source>recently renewed (grace period)</source>
        <translation>kürzlich verlängert (Karenzzeit)</translation>
    </message>
    <message>
        <source>recently transferred (grace period)</source>
        <translation>kürzlich übertragen (Karenzzeit)</translation>
    </message>
    <message>
        <source>expired but still redeemable (redemption period)</source>
        <translation>abgelaufen und noch wiederherstellbar (Wiederherstellungsfrist)</translation>
    </message>
    <message>
        <source>reserved by the registry</source>
        <translation>von der Registry reserviert</translation>
    </message>
    <message>
        <source>registered</source>
        <translation>registriert</translation>
    </message>
    <message>
        <source>granted to the holder</source>
        <translation>dem Inhaber zugeteilt</translation>
    </message>
    <message>
        <source>in the DNS</source>
        <translation>im DNS</translation>
    </message>
    <message>
        <source>holder verified</source>
        <translation>Inhaber überprüft</translation>
    </message>
    <message>
        <source>assigned</source>
        <translation>zugewiesen</translation>
    </message>
    <message>
        <source>assigned, provider-independent</source>
        <translation>zugewiesen, providerunabhängig</translation>
    </message>
    <message>
        <source>allocated</source>
        <translation>zugeteilt</translation>
    </message>
    <message>
        <source>legacy (held since before the regional registries)</source>
        <translation>Altbestand (vergeben vor den regionalen Registries)</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>Available</source>
        <extracomment>The verdict on a domain name that is not registered: it can be registered</extracomment>
        <translation>Verfügbar</translation>
    </message>
    <message>
        <source>Registered</source>
        <translation>Registriert</translation>
    </message>
    <message>
        <source>Reserved or blocked</source>
        <translation>Reserviert oder gesperrt</translation>
    </message>
    <message>
        <source>Registry busy</source>
        <translation>Registry ausgelastet</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Keine Antwort</translation>
    </message>
    <message>
        <source>Allocated</source>
        <extracomment>The verdict on an address range or AS numbers that a registry has given out</extracomment>
        <translation>Zugeteilt</translation>
    </message>
    <message>
        <source>No record</source>
        <translation>Kein Eintrag</translation>
    </message>
    <message>
        <source>Top-level domain</source>
        <translation>Top-Level-Domain</translation>
    </message>
    <message>
        <source>Not looked up</source>
        <extracomment>The verdict on a special-purpose address or number, which no registry holds</extracomment>
        <translation>Nicht abgefragt</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The answer for an extension whose registry could not be asked or did not answer
----------
The verdict when the registry answered but its answer says neither that the name is registered nor that it is free</extracomment>
        <translation>Unbekannt</translation>
    </message>
</context>
<context>
    <name>Word</name>
    <message>
        <source>address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>network</source>
        <translation>Netz</translation>
    </message>
    <message>
        <source>AS number</source>
        <translation>AS-Nummer</translation>
    </message>
    <message>
        <source>domain name</source>
        <translation>Domainname</translation>
    </message>
    <message>
        <source>&quot;this network&quot;</source>
        <translation>„dieses Netz“</translation>
    </message>
    <message>
        <source>private</source>
        <translation>privat</translation>
    </message>
    <message>
        <source>shared</source>
        <translation>gemeinsam genutzt</translation>
    </message>
    <message>
        <source>loopback</source>
        <translation>Loopback</translation>
    </message>
    <message>
        <source>link-local</source>
        <translation>link-local</translation>
    </message>
    <message>
        <source>protocol assignment</source>
        <translation>Protokollzuweisung</translation>
    </message>
    <message>
        <source>documentation</source>
        <translation>Dokumentation</translation>
    </message>
    <message>
        <source>6to4 relay anycast</source>
        <translation>6to4-Relay-Anycast</translation>
    </message>
    <message>
        <source>benchmarking</source>
        <translation>Benchmarking</translation>
    </message>
    <message>
        <source>multicast</source>
        <translation>Multicast</translation>
    </message>
    <message>
        <source>reserved</source>
        <translation>reserviert</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>Broadcast</translation>
    </message>
    <message>
        <source>unspecified</source>
        <translation>unspezifiziert</translation>
    </message>
    <message>
        <source>deprecated IPv4-compatible</source>
        <translation>IPv4-kompatibel, veraltet</translation>
    </message>
    <message>
        <source>NAT64</source>
        <translation>NAT64</translation>
    </message>
    <message>
        <source>local-use NAT64</source>
        <translation>NAT64 zur lokalen Nutzung</translation>
    </message>
    <message>
        <source>discard-only</source>
        <translation>nur zum Verwerfen</translation>
    </message>
    <message>
        <source>unique local</source>
        <translation>eindeutig lokal</translation>
    </message>
    <message>
        <source>deprecated site-local</source>
        <translation>site-local, veraltet</translation>
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
        <translation>reserviert (AS_TRANS)</translation>
    </message>
    <message>
        <source>top-level domain</source>
        <translation>Top-Level-Domain</translation>
    </message>
</context>
</TS>
