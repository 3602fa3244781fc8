<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Message</name>
    <message>
        <source>Type a domain name, such as example.com.</source>
        <translation>Typ een domeinnaam, bijvoorbeeld example.com.</translation>
    </message>
    <message>
        <source>A domain name holds no blanks, line breaks or control characters.</source>
        <translation>Een domeinnaam bevat geen spaties, regeleinden of stuurtekens.</translation>
    </message>
    <message>
        <source>A domain name does not start with a hyphen.</source>
        <translation>Een domeinnaam begint niet met een koppelteken.</translation>
    </message>
    <message>
        <source>This is not a valid domain name.</source>
        <translation>Dit is geen geldige domeinnaam.</translation>
    </message>
    <message>
        <source>A domain name has at most 253 characters.</source>
        <translation>Een domeinnaam heeft ten hoogste 253 tekens.</translation>
    </message>
    <message>
        <source>A domain name has no empty labels (two dots in a row).</source>
        <translation>Een domeinnaam heeft geen lege delen (twee punten achter elkaar).</translation>
    </message>
    <message>
        <source>Each part of a domain name has at most 63 characters.</source>
        <translation>Elk deel van een domeinnaam heeft ten hoogste 63 tekens.</translation>
    </message>
    <message>
        <source>No part of a domain name starts or ends with a hyphen.</source>
        <translation>Geen deel van een domeinnaam begint of eindigt met een koppelteken.</translation>
    </message>
    <message>
        <source>A domain name holds only letters, digits, hyphens and dots.</source>
        <translation>Een domeinnaam bevat alleen letters, cijfers, koppeltekens en punten.</translation>
    </message>
    <message>
        <source>An AS number is a whole number from 0 to 4294967295.</source>
        <translation>Een AS-nummer is een geheel getal van 0 tot en met 4294967295.</translation>
    </message>
    <message>
        <source>This is not a valid IPv6 address.</source>
        <translation>Dit is geen geldig IPv6-adres.</translation>
    </message>
    <message>
        <source>An IPv4 address is four numbers from 0 to 255, such as 192.0.2.1.</source>
        <translation>Een IPv4-adres bestaat uit vier getallen van 0 tot en met 255, bijvoorbeeld 192.0.2.1.</translation>
    </message>
    <message>
        <source>A network&apos;s prefix length is a number from 0 to 32 for IPv4 and from 0 to 128 for IPv6.</source>
        <translation>De prefixlengte van een netwerk is een getal van 0 tot en met 32 voor IPv4 en van 0 tot en met 128 voor IPv6.</translation>
    </message>
    <message>
        <source>An IPv4-mapped network has a prefix length from 96 to 128.</source>
        <translation>Een netwerk van IPv4-gemapte adressen heeft een prefixlengte van 96 tot en met 128.</translation>
    </message>
    <message>
        <source>%1 is a %2 %3 (%4); no registry holds a record for it.</source>
        <extracomment>%1: the address, network or AS number as asked; %2: its kind (a word: &quot;private&quot;, &quot;documentation&quot;); %3: what it is (a word: &quot;address&quot;, &quot;network&quot;); %4: where the kind is defined (&quot;RFC 1918&quot;), or a nested reason</extracomment>
        <translation>%1 (%3) valt in een bijzonder bereik: %2 (%4); geen enkel register heeft er een record van.</translation>
    </message>
    <message>
        <source>%1 is an %2 %3 (%4); no registry holds a record for it.</source>
        <extracomment>The same as the sentence with &quot;a&quot;: English needs &quot;an&quot; before a vowel sound; translate both alike.</extracomment>
        <translation>%1 (%3) valt in een bijzonder bereik: %2 (%4); geen enkel register heeft er een record van.</translation>
    </message>
    <message>
        <source>%1, carrying the %3 address %2</source>
        <extracomment>%1: the defining document (&quot;RFC 6052&quot;); %2: the IPv4 address carried; %3: its kind (a word)</extracomment>
        <translation>%1, ingebed adres %2: %3</translation>
    </message>
    <message>
        <source>not an address</source>
        <translation>geen adres</translation>
    </message>
    <message>
        <source>the name %1 could not be resolved</source>
        <extracomment>%1: a host name</extracomment>
        <translation>de naam %1 kon niet worden omgezet</translation>
    </message>
    <message>
        <source>%1 is at %2, which is not a public address</source>
        <extracomment>%1: a host name; %2: the address it resolves to</extracomment>
        <translation>%1 heeft het adres %2, dat geen openbaar adres is</translation>
    </message>
    <message>
        <source>%1 is not an http or https address</source>
        <extracomment>%1: an address (URL) that a server named</extracomment>
        <translation>%1 is geen http- of https-adres</translation>
    </message>
    <message>
        <source>no complete answer within %1 s</source>
        <extracomment>%1: a number of seconds</extracomment>
        <translation>geen volledig antwoord binnen %1 s</translation>
    </message>
    <message>
        <source>no connection within %1 s</source>
        <extracomment>%1: a number of seconds</extracomment>
        <translation>geen verbinding binnen %1 s</translation>
    </message>
    <message>
        <source>a redirect was refused: %1</source>
        <extracomment>%1: why (a reason of its own)</extracomment>
        <translation>een omleiding werd geweigerd: %1</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>geen antwoord</translation>
    </message>
    <message>
        <source>an HTTP status that is no answer (%1)</source>
        <extracomment>%1: an HTTP status number</extracomment>
        <translation>een HTTP-status die geen antwoord is (%1)</translation>
    </message>
    <message>
        <source>the lookup service redirected too often</source>
        <translation>de opzoekdienst heeft te vaak omgeleid</translation>
    </message>
    <message>
        <source>The RDAP bootstrap file could not be read: its fetch was abandoned</source>
        <translation>Het RDAP-bootstrapbestand kon niet worden gelezen: het ophalen ervan is afgebroken</translation>
    </message>
    <message>
        <source>status %1</source>
        <extracomment>%1: an HTTP status number</extracomment>
        <translation>status %1</translation>
    </message>
    <message>
        <source>the file is too long</source>
        <translation>het bestand is te lang</translation>
    </message>
    <message>
        <source>the file is not a bootstrap file</source>
        <translation>het bestand is geen bootstrapbestand</translation>
    </message>
    <message>
        <source>The RDAP bootstrap file could not be read: %1</source>
        <extracomment>%1: why (a reason of its own)</extracomment>
        <translation>Het RDAP-bootstrapbestand kon niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>Too many lookups from your address are under way. Try again in 5 s.</source>
        <translation>Er lopen te veel zoekopdrachten vanaf uw adres. Probeer het over 5 s opnieuw.</translation>
    </message>
    <message>
        <source>%1 is not registered.</source>
        <extracomment>%1: the domain name</extracomment>
        <translation>%1 is niet geregistreerd.</translation>
    </message>
    <message>
        <source>No registry holds a record for %1.</source>
        <extracomment>%1: the address, network or AS number</extracomment>
        <translation>Geen enkel register heeft een record van %1.</translation>
    </message>
    <message>
        <source>The registry is limiting how often it is asked. Try again later.</source>
        <translation>Het register beperkt hoe vaak het wordt geraadpleegd. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>The lookup took longer than %1 s and was given up.</source>
        <extracomment>%1: a number of seconds</extracomment>
        <translation>De zoekopdracht duurde langer dan %1 s en is afgebroken.</translation>
    </message>
    <message>
        <source>%1; whois was asked instead.</source>
        <extracomment>%1: why RDAP could not be used (a sentence of its own)</extracomment>
        <translation>%1; in plaats daarvan is whois geraadpleegd.</translation>
    </message>
    <message>
        <source>The registry&apos;s lookup service (%1) could not be asked: %2.</source>
        <extracomment>%1: the registry server&apos;s host name; %2: why (a reason of its own)</extracomment>
        <translation>De opzoekdienst van het register (%1) kon niet worden geraadpleegd: %2.</translation>
    </message>
    <message>
        <source>The registry&apos;s lookup service answered with status %1.</source>
        <extracomment>%1: an HTTP status number</extracomment>
        <translation>De opzoekdienst van het register antwoordde met status %1.</translation>
    </message>
    <message>
        <source>The registry&apos;s record was longer than the site reads and could not be read.</source>
        <translation>Het record van het register was te lang voor de site en kon niet worden gelezen.</translation>
    </message>
    <message>
        <source>The registry&apos;s answer is not a record the site can read.</source>
        <translation>Het antwoord van het register is geen record dat de site kan lezen.</translation>
    </message>
    <message>
        <source>not a record the site can read</source>
        <translation>het is geen record dat de site kan lezen</translation>
    </message>
    <message>
        <source>The registrar&apos;s record (%1) could not be read: %2.</source>
        <extracomment>%1: the registrar server&apos;s host name; %2: why (a reason of its own)</extracomment>
        <translation>Het record van de registrar (%1) kon niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>refused to ask it: %1</source>
        <extracomment>%1: why (a reason of its own)</extracomment>
        <translation>de site weigerde hem te raadplegen: %1</translation>
    </message>
    <message>
        <source>it closed the connection without an answer</source>
        <translation>de verbinding werd zonder antwoord gesloten</translation>
    </message>
    <message>
        <source>The registrar&apos;s whois server %1 could not be asked: %2.</source>
        <extracomment>%1: a whois server (host name, perhaps with a port); %2: why (a reason of its own)</extracomment>
        <translation>De whois-server %1 van de registrar kon niet worden geraadpleegd: %2.</translation>
    </message>
    <message>
        <source>The whois server %1 that the registry refers to could not be asked: %2.</source>
        <extracomment>%1: a whois server (host name, perhaps with a port); %2: why (a reason of its own)</extracomment>
        <translation>De whois-server %1, waarnaar het register verwijst, kon niet worden geraadpleegd: %2.</translation>
    </message>
    <message>
        <source>The whois server %1 could not be asked: %2.</source>
        <extracomment>%1: a whois server (host name, perhaps with a port); %2: why (a reason of its own)</extracomment>
        <translation>De whois-server %1 kon niet worden geraadpleegd: %2.</translation>
    </message>
    <message>
        <source>The whois server %1 that the registry refers to is limiting how often it is asked; its record is left out.</source>
        <extracomment>%1: a whois server (host name, perhaps with a port)</extracomment>
        <translation>De whois-server %1, waarnaar het register verwijst, beperkt hoe vaak hij wordt geraadpleegd; zijn record wordt weggelaten.</translation>
    </message>
    <message>
        <source>There is no lookup service for the extension .%1.</source>
        <extracomment>%1: the extension, without its dot (&quot;com&quot;)</extracomment>
        <translation>Er is geen opzoekdienst voor de extensie .%1.</translation>
    </message>
    <message>
        <source>There is no lookup service for %1.</source>
        <extracomment>%1: the address, network or AS number</extracomment>
        <translation>Er is geen opzoekdienst voor %1.</translation>
    </message>
    <message>
        <source>%1 is reserved or blocked by the registry and cannot be registered.</source>
        <extracomment>%1: the domain name</extracomment>
        <translation>%1 is door het register gereserveerd of geblokkeerd en kan niet worden geregistreerd.</translation>
    </message>
    <message>
        <source>.%1 is not a top-level domain of the root zone.</source>
        <extracomment>%1: what was asked, without a dot (&quot;qqq&quot;)</extracomment>
        <translation>.%1 is geen topleveldomein van de rootzone.</translation>
    </message>
    <message>
        <source>%1; IANA&apos;s whois was asked instead.</source>
        <extracomment>%1: why IANA&apos;s RDAP service could not be used (a sentence of its own)</extracomment>
        <translation>%1; in plaats daarvan is de whois van IANA geraadpleegd.</translation>
    </message>
    <message>
        <source>Not asked: your address has asked many registries lately.</source>
        <translation>Niet geraadpleegd: vanaf uw adres zijn de laatste tijd veel registers geraadpleegd.</translation>
    </message>
    <message>
        <source>The registry&apos;s lookup service answered with status %1: %2.</source>
        <extracomment>%1: an HTTP status number; %2: the registry&apos;s own words, as it sent them (often English)</extracomment>
        <translation>De opzoekdienst van het register antwoordde met status %1: %2.</translation>
    </message>
    <message>
        <source>status %1: %2</source>
        <extracomment>%1: an HTTP status number; %2: the server&apos;s own words, as it sent them (often English)</extracomment>
        <translation>status %1: %2</translation>
    </message>
    <message>
        <source>%1 looks like a contact&apos;s handle. Handles are not looked up here: type the domain name, address or AS number whose record names it.</source>
        <extracomment>%1: what was typed, such as SD12478-RIPE. &quot;record&quot;: the registration record (the data), not the registry.</extracomment>
        <translation>%1 lijkt op de handle van een contactpersoon. Handles worden hier niet opgezocht: typ de domeinnaam, het adres of het AS-nummer waarvan het record deze noemt.</translation>
    </message>
    <message>
        <source>At most %1 extensions can be checked at once.</source>
        <extracomment>%1: a number (50)</extracomment>
        <translation>Er kunnen hoogstens %1 extensies tegelijk worden gecontroleerd.</translation>
    </message>
    <message>
        <source>the server did not prove that it is %1 (%2), so nothing was asked of it</source>
        <extracomment>%1: a server&apos;s host name; %2: why (a reason of its own)</extracomment>
        <translation>de server heeft niet bewezen dat hij %1 is (%2), dus is hem niets gevraagd</translation>
    </message>
    <message>
        <source>its certificate is for another name</source>
        <extracomment>Why a server&apos;s certificate was refused: said inside &quot;the server did not prove that it is %1 (…)&quot;</extracomment>
        <translation>zijn certificaat is voor een andere naam</translation>
    </message>
    <message>
        <source>its certificate is signed by itself, not by a certificate authority</source>
        <extracomment>Why a server&apos;s certificate was refused: said inside &quot;the server did not prove that it is %1 (…)&quot;</extracomment>
        <translation>zijn certificaat is door hemzelf ondertekend, niet door een certificaatautoriteit</translation>
    </message>
    <message>
        <source>its certificate has expired or is not yet valid</source>
        <extracomment>Why a server&apos;s certificate was refused: said inside &quot;the server did not prove that it is %1 (…)&quot;</extracomment>
        <translation>zijn certificaat is verlopen of nog niet geldig</translation>
    </message>
    <message>
        <source>its certificate is from an authority that is not trusted</source>
        <extracomment>Why a server&apos;s certificate was refused: said inside &quot;the server did not prove that it is %1 (…)&quot;</extracomment>
        <translation>zijn certificaat komt van een autoriteit die niet wordt vertrouwd</translation>
    </message>
    <message>
        <source>%1 would be asked in plain text, after a question asked over https</source>
        <extracomment>Why a redirect was refused. %1: the address (URL) it leads to, which begins with http://</extracomment>
        <translation>%1 zou in platte tekst worden gevraagd, na een vraag via https</translation>
    </message>
    <message>
        <source>The registry answered, but its answer does not say whether %1 is registered.</source>
        <extracomment>Under the verdict &quot;Unknown&quot;: the registry&apos;s answer (the page shows it whole) has no wording the site knows and no field it reads. %1: the domain name.</extracomment>
        <translation>Het register heeft geantwoord, maar uit het antwoord blijkt niet of %1 geregistreerd is.</translation>
    </message>
    <message>
        <source>%1, line %2: “%3”</source>
        <extracomment>What a verdict rests on, shown under it: the line of a whois server&apos;s answer that decided. %1: the server&apos;s host name; %2: the line&apos;s number in the answer; %3: the line itself, as the server sent it (in its language).</extracomment>
        <translation>%1, regel %2: ‘%3’</translation>
    </message>
    <message>
        <source>%1 answered with HTTP status %2</source>
        <extracomment>What a verdict rests on: the status of the registry&apos;s RDAP answer. %1: the address (URL) asked; %2: the HTTP status, a number such as 404.</extracomment>
        <translation>%1 antwoordde met HTTP-status %2</translation>
    </message>
    <message>
        <source>%1 answered, but no line of its answer is about %2 being registered or not</source>
        <extracomment>What the verdict &quot;Unknown&quot; rests on: an answer with no line that says. %1: the server; %2: the domain name.</extracomment>
        <translation>%1 heeft geantwoord, maar geen regel van het antwoord zegt of %2 geregistreerd is</translation>
    </message>
    <message>
        <source>the DNS delegates %1 to name servers</source>
        <extracomment>What the verdict &quot;Registered&quot; rests on in a check of a name in many extensions: the DNS names name servers for it, which only a registered name has. %1: the domain name.</extracomment>
        <translation>de DNS delegeert %1 naar nameservers</translation>
    </message>
    <message>
        <source>The registry refused the question about %1, so its answer does not say whether it is registered.</source>
        <extracomment>The registry would not answer the question (an invalid query, or a name outside the extensions it serves), so nothing says whether the name is registered. %1: the domain name.</extracomment>
        <translation>Het register heeft de vraag over %1 geweigerd; uit het antwoord blijkt dus niet of de naam geregistreerd is.</translation>
    </message>
    <message>
        <source>%1 lies within the domain %2.</source>
        <extracomment>%1: a host name such as www.example.com; %2: the registered domain it lies in (example.com). The verdict that follows is about %2.</extracomment>
        <translation>%1 valt onder het domein %2.</translation>
    </message>
    <message>
        <source>The lookup service is busy. Try again in %1.</source>
        <extracomment>%1: a wait, as people say it: &quot;45 s&quot;, &quot;2 min&quot;, &quot;59 min 36 s&quot;, &quot;1 h 5 min&quot; (units h, min, s)</extracomment>
        <translation>De opzoekdienst is bezet. Probeer het over %1 opnieuw.</translation>
    </message>
    <message>
        <source>Your address has asked for many lookups lately. Try again in %1.</source>
        <extracomment>%1: a wait, as people say it: &quot;45 s&quot;, &quot;2 min&quot;, &quot;59 min 36 s&quot;, &quot;1 h 5 min&quot; (units h, min, s)</extracomment>
        <translation>Vanaf uw adres zijn de laatste tijd veel zoekopdrachten gedaan. Probeer het over %1 opnieuw.</translation>
    </message>
    <message>
        <source>The registry is limiting how often it is asked. Try again in %1.</source>
        <extracomment>%1: a wait, as people say it: &quot;45 s&quot;, &quot;2 min&quot;, &quot;59 min 36 s&quot;, &quot;1 h 5 min&quot; (units h, min, s)</extracomment>
        <translation>Het register beperkt hoe vaak het wordt geraadpleegd. Probeer het over %1 opnieuw.</translation>
    </message>
    <message>
        <source>The site is pacing its questions to %1 so as not to be blocked there; its record is left out. Try again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>De site spreidt de vragen aan %1 in de tijd om daar niet geblokkeerd te raken; het record van die server wordt weggelaten. Probeer het over %2 opnieuw.</translation>
    </message>
    <message>
        <source>The site is pacing its questions to %1 so as not to be blocked there. Try again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>De site spreidt de vragen aan %1 in de tijd om daar niet geblokkeerd te raken. Probeer het over %2 opnieuw.</translation>
    </message>
    <message>
        <source>The registry&apos;s lookup service (%1) has failed again and again; it is asked again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>De opzoekdienst van het register (%1) faalde keer op keer; hij wordt over %2 opnieuw geraadpleegd.</translation>
    </message>
    <message>
        <source>%1 is limiting how often it is asked; its record is left out. Try again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>%1 beperkt hoe vaak het wordt geraadpleegd; zijn record ontbreekt. Probeer het over %2 opnieuw.</translation>
    </message>
    <message>
        <source>%1 has failed again and again; its record is left out. Try again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>%1 faalde keer op keer; zijn record ontbreekt. Probeer het over %2 opnieuw.</translation>
    </message>
    <message>
        <source>No record names an abuse contact for %1.</source>
        <extracomment>Who to tell of abuse: no record asked names an abuse contact. %1: the domain name, address or network.</extracomment>
        <translation>Geen record noemt een misbruikcontact voor %1.</translation>
    </message>
    <message>
        <source>%1 could not be looked up: %2</source>
        <extracomment>Who to tell of abuse: one of the further lookups failed. %1: a domain name, address or network; %2: why.</extracomment>
        <translation>%1 kon niet worden opgezocht: %2</translation>
    </message>
    <message>
        <source>Your lookups for now are spent, so the rest was not looked up. Try again in %1.</source>
        <extracomment>Who to tell of abuse: the further lookups stopped at the client&apos;s budget. %1: a duration (&quot;5 min 3 s&quot;).</extracomment>
        <translation>Uw opzoekingen zijn voorlopig op, dus de rest is niet opgezocht. Probeer het over %1 opnieuw.</translation>
    </message>
    <message>
        <source>The site has no DNS resolver, so the networks that host %1 were not looked for.</source>
        <extracomment>Who to tell of abuse: the site cannot ask the DNS for a domain&apos;s addresses. %1: the domain name.</extracomment>
        <translation>De site heeft geen DNS-resolver, dus de netwerken die %1 hosten zijn niet gezocht.</translation>
    </message>
    <message>
        <source>The DNS gives no address for %1 or its name servers.</source>
        <extracomment>Who to tell of abuse: the DNS gives no address for the domain or its name servers. %1: the domain name.</extracomment>
        <translation>De DNS geeft geen adres voor %1 of zijn naamservers.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Domain name</source>
        <translation>Domeinnaam</translation>
    </message>
    <message>
        <source>Look up</source>
        <translation>Opzoeken</translation>
    </message>
    <message>
        <source>Quelcor whois lookup</source>
        <translation>Quelcor – whois opzoeken</translation>
    </message>
    <message>
        <source>From the site&apos;s cache: looked up %1 s ago.</source>
        <translation>Uit de cache van de site: %1 s geleden opgezocht.</translation>
    </message>
    <message>
        <source>Record from %1</source>
        <translation>Record van %1</translation>
    </message>
    <message>
        <source>The record was longer than 1 MiB; only its beginning is shown.</source>
        <translation>Het record was groter dan 1 MiB; alleen het begin wordt getoond.</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Whois lookup&lt;/h1&gt;&lt;p&gt;Type a domain name, such as &lt;b&gt;example.com&lt;/b&gt;, and press &lt;b&gt;Look up&lt;/b&gt; to see who registered it, with which registrar, and until when.&lt;/p&gt;&lt;p&gt;An IP address such as &lt;b&gt;8.8.8.8&lt;/b&gt;, a network such as &lt;b&gt;8.8.8.0/24&lt;/b&gt; or an AS number such as &lt;b&gt;AS15169&lt;/b&gt; shows who holds it.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Whois opzoeken&lt;/h1&gt;&lt;p&gt;Typ een domeinnaam, bijvoorbeeld &lt;b&gt;example.com&lt;/b&gt;, en klik op &lt;b&gt;Opzoeken&lt;/b&gt; om te zien wie hem heeft geregistreerd, bij welke registrar en tot wanneer.&lt;/p&gt;&lt;p&gt;Bij een IP-adres zoals &lt;b&gt;8.8.8.8&lt;/b&gt;, een netwerk zoals &lt;b&gt;8.8.8.0/24&lt;/b&gt; of een AS-nummer zoals &lt;b&gt;AS15169&lt;/b&gt; ziet u wie de houder is.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domein</translation>
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
        <translation>Geregistreerd</translation>
    </message>
    <message>
        <source>Expires</source>
        <translation>Vervaldatum</translation>
    </message>
    <message>
        <source>Name servers</source>
        <translation>Nameservers</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Nummers</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Bereik</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Houder</translation>
    </message>
    <message>
        <source>Abuse contact</source>
        <translation>Contact bij misbruik</translation>
    </message>
    <message>
        <source>Last changed</source>
        <translation>Laatst gewijzigd</translation>
    </message>
    <message>
        <source>Download Quelcor</source>
        <translation>Quelcor downloaden</translation>
    </message>
    <message>
        <source>&lt;p&gt;The current version of Quelcor is &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Quelcor looks up the registration records of domain names. Install it over the older version: your language choice is kept.&lt;/p&gt;</source>
        <translation>&lt;p&gt;De huidige versie van Quelcor is &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Quelcor zoekt de registratierecords van domeinnamen op. Installeer de nieuwe versie over de oude heen: uw taalkeuze blijft behouden.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Quelcor forum</source>
        <translation>Quelcor-forum</translation>
    </message>
    <message>
        <source>&lt;p&gt;Users of Quelcor help one another here: questions about lookups, language drivers and updates.&lt;/p&gt;&lt;p&gt;Before asking, try the &lt;a href=&quot;%1&quot;&gt;lookup page&lt;/a&gt; in a desktop browser.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Gebruikers van Quelcor helpen elkaar hier: vragen over zoekopdrachten, taalstuurprogramma&apos;s en updates.&lt;/p&gt;&lt;p&gt;Probeer voordat u een vraag stelt de &lt;a href=&quot;%1&quot;&gt;opzoekpagina&lt;/a&gt; in een desktopbrowser.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Report a bug</source>
        <translation>Een fout melden</translation>
    </message>
    <message>
        <source>&lt;p&gt;Tell us what you did, what you expected and what happened instead, and give the version that the about window shows.&lt;/p&gt;&lt;p&gt;Write to the address shown in the about window.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Vertel ons wat u deed, wat u verwachtte en wat er in plaats daarvan gebeurde, en vermeld de versie die in het venster “Over Quelcor” staat.&lt;/p&gt;&lt;p&gt;Schrijf naar het adres dat in het venster “Over Quelcor” staat.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Quelcor is a small desktop program for looking up the registration records (whois records) of internet domain names.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;a href=&quot;%1&quot;&gt;Download&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%2&quot;&gt;Look a domain up&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%3&quot;&gt;Forum&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%4&quot;&gt;Report a bug&lt;/a&gt;&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;p&gt;Quelcor is een klein desktopprogramma om de registratierecords (whois-records) van internetdomeinnamen op te zoeken.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;a href=&quot;%1&quot;&gt;Downloaden&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%2&quot;&gt;Een domein opzoeken&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%3&quot;&gt;Forum&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%4&quot;&gt;Een fout melden&lt;/a&gt;&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;ul&gt;&lt;li&gt;&lt;a href=&quot;%1&quot;&gt;Quelcor&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%2&quot;&gt;Look a domain up&lt;/a&gt;&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;ul&gt;&lt;li&gt;&lt;a href=&quot;%1&quot;&gt;Quelcor&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%2&quot;&gt;Een domein opzoeken&lt;/a&gt;&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Page not found</source>
        <translation>Pagina niet gevonden</translation>
    </message>
    <message>
        <source>&lt;p&gt;There is no such page here. Try the &lt;a href=&quot;%1&quot;&gt;product page&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Deze pagina bestaat hier niet. Probeer de &lt;a href=&quot;%1&quot;&gt;productpagina&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>How a date is written, in Qt&apos;s date format: d the day, MMMM the month&apos;s name, yyyy the year; text in quotes stays as it is (Spanish: d &apos;de&apos; MMMM &apos;de&apos; yyyy)</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>A button that copies the text beside it to the clipboard</extracomment>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Copied</source>
        <extracomment>The copy button once it has copied</extracomment>
        <translation>Gekopieerd</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>A link that saves a record as a file</extracomment>
        <translation>Downloaden</translation>
    </message>
    <message>
        <source>expires today</source>
        <extracomment>Of a domain name&apos;s registration</extracomment>
        <translation>verloopt vandaag</translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <extracomment>How long a registration has left (&quot;expires 3 May 2027, in 146 days&quot;), or how long ago it ran out</extracomment>
        <translation>
            <numerusform>over %n dag</numerusform>
            <numerusform>over %n dagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>expired %n day(s) ago</source>
        <translation>
            <numerusform>%n dag geleden verlopen</numerusform>
            <numerusform>%n dagen geleden verlopen</numerusform>
        </translation>
    </message>
    <message>
        <source>DNSSEC</source>
        <translation>DNSSEC</translation>
    </message>
    <message>
        <source>signed</source>
        <translation>ondertekend</translation>
    </message>
    <message>
        <source>not signed</source>
        <translation>niet ondertekend</translation>
    </message>
    <message>
        <source>Registrar&apos;s IANA id</source>
        <translation>IANA-id van de registrar</translation>
    </message>
    <message>
        <source>Registrar&apos;s web site</source>
        <translation>Website van de registrar</translation>
    </message>
    <message>
        <source>Top-level domain</source>
        <translation>Topleveldomein</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Beheerder</translation>
    </message>
    <message>
        <source>Whois server</source>
        <translation>Whois-server</translation>
    </message>
    <message>
        <source>RDAP service</source>
        <translation>RDAP-dienst</translation>
    </message>
    <message>
        <source>held by %1</source>
        <extracomment>%1: who holds a domain name, an address range or AS numbers</extracomment>
        <translation>houder: %1</translation>
    </message>
    <message>
        <source>registrar %1</source>
        <extracomment>%1: the registrar&apos;s name</extracomment>
        <translation>registrar: %1</translation>
    </message>
    <message>
        <source>expires %1, %2</source>
        <extracomment>%1: a date; %2: how long is left (&quot;in 146 days&quot;)</extracomment>
        <translation>verloopt op %1, %2</translation>
    </message>
    <message>
        <source>in its redemption period: only the holder can still renew it</source>
        <translation>in de quarantaineperiode: alleen de houder kan hem nog verlengen</translation>
    </message>
    <message>
        <source>about to be deleted by the registry</source>
        <translation>in afwachting van verwijdering door het register</translation>
    </message>
    <message>
        <source>expired</source>
        <translation>verlopen</translation>
    </message>
    <message>
        <source>since %1</source>
        <extracomment>%1: a date</extracomment>
        <translation>sinds %1</translation>
    </message>
    <message>
        <source>managed by %1</source>
        <extracomment>%1: the organisation that runs a top-level domain</extracomment>
        <translation>beheerd door %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;A top-level domain such as &lt;b&gt;de&lt;/b&gt; shows who runs it and where its registry answers.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Een topleveldomein zoals &lt;b&gt;de&lt;/b&gt; toont wie het beheert en waar het register antwoordt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Each row comes as its registry answers. Type &lt;b&gt;name.*&lt;/b&gt; for the usual extensions, or name them: &lt;b&gt;name.{de,fr,it}&lt;/b&gt;. A name with name servers in the DNS is registered; the others are asked of their registries.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Elke rij verschijnt zodra het register antwoordt. Typ &lt;b&gt;naam.*&lt;/b&gt; voor de gebruikelijke extensies, of noem ze: &lt;b&gt;naam.{de,fr,it}&lt;/b&gt;. Een naam met nameservers in het DNS is geregistreerd; de andere worden aan hun register gevraagd.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Extensie</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwoord</translation>
    </message>
    <message>
        <source>it has name servers</source>
        <extracomment>Of a name found registered from its name servers in the DNS, without asking its registry</extracomment>
        <translation>heeft nameservers</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;quelcor.*&lt;/b&gt; shows in which of the usual extensions a name is still free, &lt;b&gt;quelcor.{de,fr,it}&lt;/b&gt; in those named.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;quelcor.*&lt;/b&gt; toont in welke van de gebruikelijke extensies een naam nog vrij is, &lt;b&gt;quelcor.{de,fr,it}&lt;/b&gt; in de genoemde.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check %1 in the usual extensions</source>
        <extracomment>%1: a name without extension (&quot;quelcor&quot;)</extracomment>
        <translation>%1 controleren in de gebruikelijke extensies</translation>
    </message>
    <message>
        <source>withheld</source>
        <extracomment>The value of a field that the registry or registrar withholds (RFC 9537 redaction)</extracomment>
        <translation>niet gepubliceerd</translation>
    </message>
    <message>
        <source>withheld: %1</source>
        <extracomment>The value of a field that the registry or registrar withholds; %1: the reason it gives, in its own words</extracomment>
        <translation>niet gepubliceerd: %1</translation>
    </message>
    <message>
        <source>%1 (not a date)</source>
        <extracomment>%1: what a record wrote where a date belongs, which is none (&quot;294247-01-10T04:00:54Z&quot;)</extracomment>
        <translation>%1 (geen datum)</translation>
    </message>
    <message>
        <source>Withheld</source>
        <extracomment>What the record says it withholds, as it names it (&quot;Registrant Name (Server policy)&quot;)</extracomment>
        <translation>Niet gepubliceerd</translation>
    </message>
    <message>
        <source>Host name</source>
        <extracomment>The host name that was asked, which lies below the registered domain</extracomment>
        <translation>Hostnaam</translation>
    </message>
    <message>
        <source>Host addresses</source>
        <translation>Hostadressen</translation>
    </message>
    <message>
        <source>Host status</source>
        <translation>Hoststatus</translation>
    </message>
    <message>
        <source>holder withheld</source>
        <extracomment>Of a domain name whose holder the registrar does not show (RFC 9537 redaction)</extracomment>
        <translation>houder niet gepubliceerd</translation>
    </message>
    <message>
        <source>Watch: its history, a calendar of its dates, a feed of its changes</source>
        <translation>Volgen: de geschiedenis, een kalender van de datums, een feed van de wijzigingen</translation>
    </message>
    <message>
        <source>%1 is not a domain name that can be watched.</source>
        <extracomment>A name asked to be watched that is not one; %1 is what was given.</extracomment>
        <translation>%1 is geen domeinnaam die gevolgd kan worden.</translation>
    </message>
    <message>
        <source>Name the domain names to watch, such as names=example.com,example.org.</source>
        <extracomment>&quot;names=&quot; is the parameter of the address and stays as it is.</extracomment>
        <translation>Noem de domeinnamen die u wilt volgen, bijvoorbeeld names=example.com,example.org.</translation>
    </message>
    <message>
        <source>At most %1 names can be watched together.</source>
        <translation>Er kunnen hoogstens %1 namen tegelijk worden gevolgd.</translation>
    </message>
    <message>
        <source>What this site saw of %1, newest first: each time something changed.</source>
        <translation>Wat deze site van %1 heeft gezien, nieuwste eerst: elke keer dat er iets veranderde.</translation>
    </message>
    <message>
        <source>Nothing yet: the site looks the name up now, and again as its dates near. Come back later.</source>
        <translation>Nog niets: de site zoekt de naam nu op, en opnieuw wanneer de datums naderen. Kom later terug.</translation>
    </message>
    <message>
        <source>Seen</source>
        <extracomment>The heading of a column of dates and times (UTC) at which the site saw a change.</extracomment>
        <translation>Gezien op</translation>
    </message>
    <message>
        <source>What changed</source>
        <translation>Wat er veranderde</translation>
    </message>
    <message>
        <source>Watch</source>
        <extracomment>A heading, above the addresses of the name&apos;s calendar and feed.</extracomment>
        <translation>Volgen</translation>
    </message>
    <message>
        <source>Calendar of its dates (iCalendar)</source>
        <translation>Kalender van de datums (iCalendar)</translation>
    </message>
    <message>
        <source>Feed of its changes (Atom)</source>
        <translation>Feed van de wijzigingen (Atom)</translation>
    </message>
    <message>
        <source>History as JSON</source>
        <translation>Geschiedenis als JSON</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>Geschiedenis van %1</translation>
    </message>
    <message>
        <source>registered</source>
        <translation>geregistreerd</translation>
    </message>
    <message>
        <source>expired, in its grace period</source>
        <translation>verlopen, in de respijtperiode</translation>
    </message>
    <message>
        <source>in its redemption period</source>
        <translation>in de quarantaineperiode</translation>
    </message>
    <message>
        <source>available</source>
        <translation>beschikbaar</translation>
    </message>
    <message>
        <source>reserved by its registry</source>
        <translation>gereserveerd door zijn register</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <extracomment>What the site saw of a watched name first. %1: the domain name; %2: its phase, one of &quot;registered&quot;, &quot;expired, in its grace period&quot;, &quot;in its redemption period&quot;, &quot;about to be deleted&quot;, &quot;available&quot;, &quot;reserved by its registry&quot;.</extracomment>
        <translation>%1 is %2</translation>
    </message>
    <message>
        <source>%1 is now %2</source>
        <extracomment>A watched name&apos;s phase changed. %1: the domain name; %2: its phase, one of &quot;registered&quot;, &quot;expired, in its grace period&quot;, &quot;in its redemption period&quot;, &quot;about to be deleted&quot;, &quot;available&quot;, &quot;reserved by its registry&quot;.</extracomment>
        <translation>%1 is nu %2</translation>
    </message>
    <message>
        <source>%1 expires</source>
        <extracomment>Titles of a calendar&apos;s events, on the day they name. %1: the domain name.</extracomment>
        <translation>%1 verloopt</translation>
    </message>
    <message>
        <source>%1: its grace period ends</source>
        <translation>%1: de respijtperiode eindigt</translation>
    </message>
    <message>
        <source>%1: its redemption period ends</source>
        <translation>%1: de quarantaineperiode eindigt</translation>
    </message>
    <message>
        <source>estimate</source>
        <extracomment>In parentheses after a calendar event&apos;s title whose date is an estimate.</extracomment>
        <translation>schatting</translation>
    </message>
    <message>
        <source>being asked</source>
        <translation>wordt opgevraagd</translation>
    </message>
    <message>
        <source>This address has asked for many calendars, feeds and histories lately. Try again in %1 seconds.</source>
        <extracomment>%1: a number of seconds.</extracomment>
        <translation>Vanaf dit adres zijn de laatste tijd veel kalenders, feeds en geschiedenissen opgevraagd. Probeer het over %1 s opnieuw.</translation>
    </message>
    <message>
        <source>The site watches as many names as it can. Try again in an hour.</source>
        <extracomment>The answer to a calendar, feed or history of a name new to the site when it watches as many names as it may (the operator&apos;s bound); sent with Retry-After: 3600.</extracomment>
        <translation>De site volgt al zoveel namen als hij kan. Probeer het over een uur opnieuw.</translation>
    </message>
    <message>
        <source>This address has brought %1 names to watch, as many as one may. A name nobody asks for is let go after %2 days.</source>
        <extracomment>%1: the most names one address may bring; %2: the days a name stays watched after it was last asked for.</extracomment>
        <translation>Vanaf dit adres worden al %1 namen gevolgd, het maximum. Een naam waar niemand meer naar vraagt, wordt na %2 dagen niet meer gevolgd.</translation>
    </message>
    <message>
        <source>A name new to the site is looked up first, and that counts as a lookup of yours: this address has asked for many lately. Try again in %1 seconds; the names looked up so far stay watched.</source>
        <extracomment>%1: a number of seconds.</extracomment>
        <translation>Een naam die nieuw is voor de site, wordt eerst opgezocht, en dat telt als een zoekopdracht van u: vanaf dit adres zijn de laatste tijd veel zoekopdrachten gedaan. Probeer het over %1 s opnieuw; de namen die al zijn opgezocht, blijven gevolgd.</translation>
    </message>
    <message>
        <source>alarms takes up to five numbers of days before a date, each from 0 to 366 (such as alarms=30,7).</source>
        <extracomment>&quot;alarms&quot; is the parameter of the address and stays as it is.</extracomment>
        <translation>alarms accepteert maximaal vijf aantallen dagen vóór een datum, elk van 0 tot en met 366 (bijvoorbeeld alarms=30,7).</translation>
    </message>
    <message>
        <source>%1, %2 UTC</source>
        <extracomment>When the site saw a change. %1: a date in words; %2: the time of day (UTC).</extracomment>
        <translation>%1 om %2 UTC</translation>
    </message>
    <message>
        <source>Subscribe without an account: give the calendar&apos;s address to a calendar program, and the feed&apos;s to a feed reader.</source>
        <translation>Abonneren zonder account: geef het adres van de kalender aan een agendaprogramma en dat van de feed aan een feedlezer.</translation>
    </message>
    <message>
        <source>(none)</source>
        <extracomment>A field&apos;s value in a watched name&apos;s history when the record gave none: a registrar, name servers, statuses or an expiry date.</extracomment>
        <translation>(geen gegevens)</translation>
    </message>
    <message>
        <source>about to be deleted</source>
        <extracomment>A watched name&apos;s phase, after &quot;%1 is now&quot; or &quot;%1 is&quot;: the registry deletes it within days (the lookup page&apos;s status &quot;about to be deleted&quot; in the Status context says the same).</extracomment>
        <translation>in afwachting van verwijdering</translation>
    </message>
    <message>
        <source>%1 is registered and expires on %2</source>
        <extracomment>What the site saw of a watched name first. %1: the domain name; %2: its expiry date in words.</extracomment>
        <translation>%1 is geregistreerd en verloopt op %2</translation>
    </message>
    <message>
        <source>%1: the registrar was %2 and is now %3</source>
        <extracomment>A watched name&apos;s record changed. %1: the domain name; %2 and %3: the values before and after, or &quot;(none)&quot;.</extracomment>
        <translation>%1: de registrar was %2 en is nu %3</translation>
    </message>
    <message>
        <source>%1: the name servers were %2 and are now %3</source>
        <extracomment>As above; %2 and %3: lists of name servers, or &quot;(none)&quot;.</extracomment>
        <translation>%1: de nameservers waren %2 en zijn nu %3</translation>
    </message>
    <message>
        <source>%1: the statuses were %2 and are now %3</source>
        <extracomment>As above; %2 and %3: lists of statuses in words, or &quot;(none)&quot;.</extracomment>
        <translation>%1: de statussen waren %2 en zijn nu %3</translation>
    </message>
    <message>
        <source>%1: the expiry date was %2 and is now %3</source>
        <extracomment>As above; %2 and %3: dates in words, or &quot;(none)&quot;.</extracomment>
        <translation>%1: de vervaldatum was %2 en is nu %3</translation>
    </message>
    <message>
        <source>%1 may become available</source>
        <extracomment>A calendar event&apos;s title on the estimated day a leaving name may be registered again. %1: the name.</extracomment>
        <translation>%1 komt mogelijk vrij</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Two changes of a watched name seen at once, one after the other.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>Evidence: %1</source>
        <extracomment>One line under a lookup&apos;s verdict: what it rests on (the server asked and the line of its answer that decided, or the status of its answer). %1: that, in a sentence.</extracomment>
        <translation>Bewijs: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n extension(s)</source>
        <extracomment>%1: a name without extension, checked in %n extensions</extracomment>
        <translation>
            <numerusform>%1 in %n extensie</numerusform>
            <numerusform>%1 in %n extensies</numerusform>
        </translation>
    </message>
    <message>
        <source>Evidence (ZIP)</source>
        <extracomment>A link beside Download that saves every answer the site received for the lookup, as received, in a ZIP file</extracomment>
        <translation>Bewijs (ZIP)</translation>
    </message>
    <message>
        <source>Report abuse</source>
        <extracomment>The heading of the section that says whom to tell of abuse by a name, an address or a network</extracomment>
        <translation>Misbruik melden</translation>
    </message>
    <message>
        <source>Write to them in this order. Each says where the record names it, to check it.</source>
        <extracomment>Under &quot;Report abuse&quot;: the contacts below are in the order to write to them, each with the record and field it was read from</extracomment>
        <translation>Schrijf hen in deze volgorde. Bij elk staat waar het record het noemt, om het na te gaan.</translation>
    </message>
    <message>
        <source>Hosting network</source>
        <extracomment>The role of an abuse contact: the network of an address that the domain name points to</extracomment>
        <translation>Hostingnetwerk</translation>
    </message>
    <message>
        <source>DNS network</source>
        <extracomment>The role of an abuse contact: the network of an address of one of the domain&apos;s name servers</extracomment>
        <translation>DNS-netwerk</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The role of an abuse contact: the IP network or AS number asked about, or one that contains it</extracomment>
        <translation>Netwerk</translation>
    </message>
    <message>
        <source>Registry</source>
        <extracomment>The role of an abuse contact: the registry that runs the domain&apos;s top-level domain</extracomment>
        <translation>Registry</translation>
    </message>
    <message>
        <source>From %1: %2</source>
        <extracomment>Where an abuse contact was read. %1: a server or address (URL), %2: the field</extracomment>
        <translation>Uit %1: %2</translation>
    </message>
    <message>
        <source>From %1, line %2: %3</source>
        <extracomment>Where an abuse contact was read in a whois answer. %1: a server, %2: a line&apos;s number, %3: the key</extracomment>
        <translation>Uit %1, regel %2: %3</translation>
    </message>
    <message>
        <source>For %1 (%2)</source>
        <extracomment>The name and address whose network an abuse contact is. %1: a domain name or name server, %2: its address</extracomment>
        <translation>Voor %1 (%2)</translation>
    </message>
    <message>
        <source>%1 names no abuse contact of its own; this is the contact of a network that contains it.</source>
        <extracomment>%1: a network (its range) whose own record names no abuse contact</extracomment>
        <translation>%1 noemt geen eigen misbruikcontact; dit is het contact van een netwerk dat het bevat.</translation>
    </message>
    <message>
        <source>Find more contacts: the registry&apos;s, the networks that contain or host it (takes more lookups)</source>
        <extracomment>A link under &quot;Report abuse&quot; that looks further: the registry&apos;s contact, the networks that contain an address, the networks that host a domain (each lookup counts against the visitor&apos;s lookups)</extracomment>
        <translation>Meer contacten zoeken: dat van de registry, die van de netwerken die het bevatten of hosten (kost meer opzoekingen)</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>active</source>
        <translation>actief</translation>
    </message>
    <message>
        <source>inactive (no name servers)</source>
        <translation>inactief (geen nameservers)</translation>
    </message>
    <message>
        <source>validated</source>
        <translation>gevalideerd</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>vergrendeld</translation>
    </message>
    <message>
        <source>registered through a proxy</source>
        <translation>geregistreerd via een proxy</translation>
    </message>
    <message>
        <source>private</source>
        <translation>privé</translation>
    </message>
    <message>
        <source>some data removed</source>
        <extracomment>Some of the record&apos;s data was left out (not the domain name deleted)</extracomment>
        <translation>sommige gegevens verwijderd</translation>
    </message>
    <message>
        <source>some data altered</source>
        <extracomment>Some of the record&apos;s data was altered or masked (not the domain name blocked)</extracomment>
        <translation>sommige gegevens gewijzigd</translation>
    </message>
    <message>
        <source>associated with another object</source>
        <translation>gekoppeld aan een ander object</translation>
    </message>
    <message>
        <source>renewal locked</source>
        <translation>vergrendeld voor verlenging</translation>
    </message>
    <message>
        <source>changes locked</source>
        <translation>vergrendeld voor wijzigingen</translation>
    </message>
    <message>
        <source>transfer locked</source>
        <translation>vergrendeld voor verhuizing</translation>
    </message>
    <message>
        <source>deletion locked</source>
        <translation>vergrendeld voor verwijdering</translation>
    </message>
    <message>
        <source>deletion locked by the registrar</source>
        <translation>door de registrar vergrendeld voor verwijdering</translation>
    </message>
    <message>
        <source>renewal locked by the registrar</source>
        <translation>door de registrar vergrendeld voor verlenging</translation>
    </message>
    <message>
        <source>transfer locked by the registrar</source>
        <translation>door de registrar vergrendeld voor verhuizing</translation>
    </message>
    <message>
        <source>changes locked by the registrar</source>
        <translation>door de registrar vergrendeld voor wijzigingen</translation>
    </message>
    <message>
        <source>kept out of the DNS by the registrar</source>
        <translation>door de registrar buiten het DNS gehouden</translation>
    </message>
    <message>
        <source>deletion locked by the registry</source>
        <translation>door het register vergrendeld voor verwijdering</translation>
    </message>
    <message>
        <source>renewal locked by the registry</source>
        <translation>door het register vergrendeld voor verlenging</translation>
    </message>
    <message>
        <source>transfer locked by the registry</source>
        <translation>door het register vergrendeld voor verhuizing</translation>
    </message>
    <message>
        <source>changes locked by the registry</source>
        <translation>door het register vergrendeld voor wijzigingen</translation>
    </message>
    <message>
        <source>kept out of the DNS by the registry</source>
        <translation>door het register buiten het DNS gehouden</translation>
    </message>
    <message>
        <source>being created</source>
        <translation>wordt aangemaakt</translation>
    </message>
    <message>
        <source>being renewed</source>
        <translation>wordt verlengd</translation>
    </message>
    <message>
        <source>being transferred</source>
        <translation>wordt verhuisd</translation>
    </message>
    <message>
        <source>being changed</source>
        <translation>wordt gewijzigd</translation>
    </message>
    <message>
        <source>about to be deleted</source>
        <translation>in afwachting van verwijdering</translation>
    </message>
    <message>
        <source>being restored</source>
        <translation>wordt hersteld</translation>
    </message>
    <message>
        <source>newly registered (grace period)</source>
        <translation>nieuw geregistreerd (respijtperiode)</translation>
    </message>
    <message>
        <source>renewed automatically (grace period)</source>
        <translation>automatisch verlengd (respijtperiode)</translation>
    </message>
    <message>
        <source>recently renewed (grace period)</source>
        <translation>onlangs verlengd (respijtperiode)</translation>
    </message>
    <message>
        <source>recently transferred (grace period)</source>
        <translation>onlangs verhuisd (respijtperiode)</translation>
    </message>
    <message>
        <source>expired but still redeemable (redemption period)</source>
        <translation>verlopen maar nog te herstellen (quarantaineperiode)</translation>
    </message>
    <message>
        <source>reserved by the registry</source>
        <translation>gereserveerd door het register</translation>
    </message>
    <message>
        <source>registered</source>
        <translation>geregistreerd</translation>
    </message>
    <message>
        <source>granted to the holder</source>
        <translation>toegekend aan de houder</translation>
    </message>
    <message>
        <source>in the DNS</source>
        <translation>in het DNS</translation>
    </message>
    <message>
        <source>holder verified</source>
        <translation>houder geverifieerd</translation>
    </message>
    <message>
        <source>assigned</source>
        <translation>toegewezen</translation>
    </message>
    <message>
        <source>assigned, provider-independent</source>
        <translation>toegewezen, provideronafhankelijk</translation>
    </message>
    <message>
        <source>allocated</source>
        <translation>gealloceerd</translation>
    </message>
    <message>
        <source>legacy (held since before the regional registries)</source>
        <translation>historisch (uitgegeven vóór de regionale registers)</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>Available</source>
        <extracomment>The verdict on a domain name that is not registered: it can be registered</extracomment>
        <translation>Beschikbaar</translation>
    </message>
    <message>
        <source>Registered</source>
        <translation>Geregistreerd</translation>
    </message>
    <message>
        <source>Reserved or blocked</source>
        <translation>Gereserveerd of geblokkeerd</translation>
    </message>
    <message>
        <source>Registry busy</source>
        <translation>Register bezet</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Geen antwoord</translation>
    </message>
    <message>
        <source>Allocated</source>
        <extracomment>The verdict on an address range or AS numbers that a registry has given out</extracomment>
        <translation>Gealloceerd</translation>
    </message>
    <message>
        <source>No record</source>
        <translation>Geen record</translation>
    </message>
    <message>
        <source>Top-level domain</source>
        <translation>Topleveldomein</translation>
    </message>
    <message>
        <source>Not looked up</source>
        <extracomment>The verdict on a special-purpose address or number, which no registry holds</extracomment>
        <translation>Niet opgezocht</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The answer for an extension whose registry could not be asked or did not answer
----------
The verdict when the registry answered but its answer says neither that the name is registered nor that it is free</extracomment>
        <translation>Onbekend</translation>
    </message>
</context>
<context>
    <name>Word</name>
    <message>
        <source>address</source>
        <translation>adres</translation>
    </message>
    <message>
        <source>network</source>
        <translation>netwerk</translation>
    </message>
    <message>
        <source>AS number</source>
        <translation>AS-nummer</translation>
    </message>
    <message>
        <source>domain name</source>
        <translation>domeinnaam</translation>
    </message>
    <message>
        <source>&quot;this network&quot;</source>
        <translation>“dit netwerk”</translation>
    </message>
    <message>
        <source>private</source>
        <translation>privé</translation>
    </message>
    <message>
        <source>shared</source>
        <translation>gedeeld</translation>
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
        <translation>protocoltoewijzing</translation>
    </message>
    <message>
        <source>documentation</source>
        <translation>documentatie</translation>
    </message>
    <message>
        <source>6to4 relay anycast</source>
        <translation>6to4-relay-anycast</translation>
    </message>
    <message>
        <source>benchmarking</source>
        <translation>benchmarking</translation>
    </message>
    <message>
        <source>multicast</source>
        <translation>multicast</translation>
    </message>
    <message>
        <source>reserved</source>
        <translation>gereserveerd</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>broadcast</translation>
    </message>
    <message>
        <source>unspecified</source>
        <translation>niet gespecificeerd</translation>
    </message>
    <message>
        <source>deprecated IPv4-compatible</source>
        <translation>IPv4-compatibel, verouderd</translation>
    </message>
    <message>
        <source>NAT64</source>
        <translation>NAT64</translation>
    </message>
    <message>
        <source>local-use NAT64</source>
        <translation>NAT64 voor lokaal gebruik</translation>
    </message>
    <message>
        <source>discard-only</source>
        <translation>alleen verwerpen</translation>
    </message>
    <message>
        <source>unique local</source>
        <translation>uniek lokaal</translation>
    </message>
    <message>
        <source>deprecated site-local</source>
        <translation>site-local, verouderd</translation>
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
        <translation>gereserveerd (AS_TRANS)</translation>
    </message>
    <message>
        <source>top-level domain</source>
        <translation>topleveldomein</translation>
    </message>
</context>
</TS>
