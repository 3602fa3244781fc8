<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Message</name>
    <message>
        <source>Type a domain name, such as example.com.</source>
        <translation>Digitare un nome di dominio, ad esempio example.com.</translation>
    </message>
    <message>
        <source>A domain name holds no blanks, line breaks or control characters.</source>
        <translation>Un nome di dominio non contiene spazi, interruzioni di riga né caratteri di controllo.</translation>
    </message>
    <message>
        <source>A domain name does not start with a hyphen.</source>
        <translation>Un nome di dominio non inizia con un trattino.</translation>
    </message>
    <message>
        <source>This is not a valid domain name.</source>
        <translation>Questo non è un nome di dominio valido.</translation>
    </message>
    <message>
        <source>A domain name has at most 253 characters.</source>
        <translation>Un nome di dominio ha al massimo 253 caratteri.</translation>
    </message>
    <message>
        <source>A domain name has no empty labels (two dots in a row).</source>
        <translation>Un nome di dominio non ha etichette vuote (due punti consecutivi).</translation>
    </message>
    <message>
        <source>Each part of a domain name has at most 63 characters.</source>
        <translation>Ogni parte di un nome di dominio ha al massimo 63 caratteri.</translation>
    </message>
    <message>
        <source>No part of a domain name starts or ends with a hyphen.</source>
        <translation>Nessuna parte di un nome di dominio inizia o finisce con un trattino.</translation>
    </message>
    <message>
        <source>A domain name holds only letters, digits, hyphens and dots.</source>
        <translation>Un nome di dominio contiene solo lettere, cifre, trattini e punti.</translation>
    </message>
    <message>
        <source>An AS number is a whole number from 0 to 4294967295.</source>
        <translation>Un numero AS è un numero intero da 0 a 4294967295.</translation>
    </message>
    <message>
        <source>This is not a valid IPv6 address.</source>
        <translation>Questo non è un indirizzo IPv6 valido.</translation>
    </message>
    <message>
        <source>An IPv4 address is four numbers from 0 to 255, such as 192.0.2.1.</source>
        <translation>Un indirizzo IPv4 è formato da quattro numeri da 0 a 255, ad esempio 192.0.2.1.</translation>
    </message>
    <message>
        <source>A network&apos;s prefix length is a number from 0 to 32 for IPv4 and from 0 to 128 for IPv6.</source>
        <translation>La lunghezza del prefisso di una rete è un numero da 0 a 32 per IPv4 e da 0 a 128 per IPv6.</translation>
    </message>
    <message>
        <source>An IPv4-mapped network has a prefix length from 96 to 128.</source>
        <translation>Una rete IPv4 mappata in IPv6 ha una lunghezza del prefisso da 96 a 128.</translation>
    </message>
    <message>
        <source>%1 is a %2 %3 (%4); no registry holds a record for it.</source>
        <extracomment>%1: the address, network or AS number as asked; %2: its kind (a word: &quot;private&quot;, &quot;documentation&quot;); %3: what it is (a word: &quot;address&quot;, &quot;network&quot;); %4: where the kind is defined (&quot;RFC 1918&quot;), or a nested reason</extracomment>
        <translation>%1 (%3) appartiene a un intervallo speciale: %2 (%4); non figura in nessun registro.</translation>
    </message>
    <message>
        <source>%1 is an %2 %3 (%4); no registry holds a record for it.</source>
        <extracomment>The same as the sentence with &quot;a&quot;: English needs &quot;an&quot; before a vowel sound; translate both alike.</extracomment>
        <translation>%1 (%3) appartiene a un intervallo speciale: %2 (%4); non figura in nessun registro.</translation>
    </message>
    <message>
        <source>%1, carrying the %3 address %2</source>
        <extracomment>%1: the defining document (&quot;RFC 6052&quot;); %2: the IPv4 address carried; %3: its kind (a word)</extracomment>
        <translation>%1, che incorpora l&apos;indirizzo %2, di tipo %3</translation>
    </message>
    <message>
        <source>not an address</source>
        <translation>non è un indirizzo</translation>
    </message>
    <message>
        <source>the name %1 could not be resolved</source>
        <extracomment>%1: a host name</extracomment>
        <translation>impossibile risolvere il nome %1</translation>
    </message>
    <message>
        <source>%1 is at %2, which is not a public address</source>
        <extracomment>%1: a host name; %2: the address it resolves to</extracomment>
        <translation>%1 corrisponde a %2, che non è un indirizzo pubblico</translation>
    </message>
    <message>
        <source>%1 is not an http or https address</source>
        <extracomment>%1: an address (URL) that a server named</extracomment>
        <translation>%1 non è un indirizzo http o https</translation>
    </message>
    <message>
        <source>no complete answer within %1 s</source>
        <extracomment>%1: a number of seconds</extracomment>
        <translation>nessuna risposta completa entro %1 s</translation>
    </message>
    <message>
        <source>no connection within %1 s</source>
        <extracomment>%1: a number of seconds</extracomment>
        <translation>nessuna connessione entro %1 s</translation>
    </message>
    <message>
        <source>a redirect was refused: %1</source>
        <extracomment>%1: why (a reason of its own)</extracomment>
        <translation>reindirizzamento rifiutato: %1</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>nessuna risposta</translation>
    </message>
    <message>
        <source>an HTTP status that is no answer (%1)</source>
        <extracomment>%1: an HTTP status number</extracomment>
        <translation>uno stato HTTP che non è una risposta (%1)</translation>
    </message>
    <message>
        <source>the lookup service redirected too often</source>
        <translation>il servizio di ricerca ha effettuato troppi reindirizzamenti</translation>
    </message>
    <message>
        <source>The RDAP bootstrap file could not be read: its fetch was abandoned</source>
        <translation>Non è stato possibile leggere il file bootstrap RDAP: il download è stato annullato</translation>
    </message>
    <message>
        <source>status %1</source>
        <extracomment>%1: an HTTP status number</extracomment>
        <translation>stato %1</translation>
    </message>
    <message>
        <source>the file is too long</source>
        <translation>il file è troppo lungo</translation>
    </message>
    <message>
        <source>the file is not a bootstrap file</source>
        <translation>il file non è un file bootstrap</translation>
    </message>
    <message>
        <source>The RDAP bootstrap file could not be read: %1</source>
        <extracomment>%1: why (a reason of its own)</extracomment>
        <translation>Non è stato possibile leggere il file bootstrap RDAP: %1</translation>
    </message>
    <message>
        <source>Too many lookups from your address are under way. Try again in 5 s.</source>
        <translation>Sono in corso troppe ricerche dal suo indirizzo. Riprovare tra 5 s.</translation>
    </message>
    <message>
        <source>%1 is not registered.</source>
        <extracomment>%1: the domain name</extracomment>
        <translation>%1 non è registrato.</translation>
    </message>
    <message>
        <source>No registry holds a record for %1.</source>
        <extracomment>%1: the address, network or AS number</extracomment>
        <translation>Nessun registro contiene dati su %1.</translation>
    </message>
    <message>
        <source>The registry is limiting how often it is asked. Try again later.</source>
        <translation>Il registro limita la frequenza delle richieste. Riprovare più tardi.</translation>
    </message>
    <message>
        <source>The lookup took longer than %1 s and was given up.</source>
        <extracomment>%1: a number of seconds</extracomment>
        <translation>La ricerca ha richiesto più di %1 s ed è stata interrotta.</translation>
    </message>
    <message>
        <source>%1; whois was asked instead.</source>
        <extracomment>%1: why RDAP could not be used (a sentence of its own)</extracomment>
        <translation>%1; in alternativa è stato consultato il whois.</translation>
    </message>
    <message>
        <source>The registry&apos;s lookup service (%1) could not be asked: %2.</source>
        <extracomment>%1: the registry server&apos;s host name; %2: why (a reason of its own)</extracomment>
        <translation>Non è stato possibile consultare il servizio di ricerca del registro (%1): %2.</translation>
    </message>
    <message>
        <source>The registry&apos;s lookup service answered with status %1.</source>
        <extracomment>%1: an HTTP status number</extracomment>
        <translation>Il servizio di ricerca del registro ha risposto con lo stato %1.</translation>
    </message>
    <message>
        <source>The registry&apos;s record was longer than the site reads and could not be read.</source>
        <translation>I dati del registro erano troppo lunghi per il sito e non è stato possibile leggerli.</translation>
    </message>
    <message>
        <source>The registry&apos;s answer is not a record the site can read.</source>
        <translation>La risposta del registro non contiene dati che il sito possa leggere.</translation>
    </message>
    <message>
        <source>not a record the site can read</source>
        <translation>non sono dati che il sito possa leggere</translation>
    </message>
    <message>
        <source>The registrar&apos;s record (%1) could not be read: %2.</source>
        <extracomment>%1: the registrar server&apos;s host name; %2: why (a reason of its own)</extracomment>
        <translation>Non è stato possibile leggere i dati del registrar (%1): %2.</translation>
    </message>
    <message>
        <source>refused to ask it: %1</source>
        <extracomment>%1: why (a reason of its own)</extracomment>
        <translation>consultazione rifiutata: %1</translation>
    </message>
    <message>
        <source>it closed the connection without an answer</source>
        <translation>ha chiuso la connessione senza rispondere</translation>
    </message>
    <message>
        <source>The registrar&apos;s whois server %1 could not be asked: %2.</source>
        <extracomment>%1: a whois server (host name, perhaps with a port); %2: why (a reason of its own)</extracomment>
        <translation>Non è stato possibile consultare il server whois %1 del registrar: %2.</translation>
    </message>
    <message>
        <source>The whois server %1 that the registry refers to could not be asked: %2.</source>
        <extracomment>%1: a whois server (host name, perhaps with a port); %2: why (a reason of its own)</extracomment>
        <translation>Non è stato possibile consultare il server whois %1 indicato dal registro: %2.</translation>
    </message>
    <message>
        <source>The whois server %1 could not be asked: %2.</source>
        <extracomment>%1: a whois server (host name, perhaps with a port); %2: why (a reason of its own)</extracomment>
        <translation>Non è stato possibile consultare il server whois %1: %2.</translation>
    </message>
    <message>
        <source>The whois server %1 that the registry refers to is limiting how often it is asked; its record is left out.</source>
        <extracomment>%1: a whois server (host name, perhaps with a port)</extracomment>
        <translation>Il server whois %1 indicato dal registro limita la frequenza delle richieste; i suoi dati vengono omessi.</translation>
    </message>
    <message>
        <source>There is no lookup service for the extension .%1.</source>
        <extracomment>%1: the extension, without its dot (&quot;com&quot;)</extracomment>
        <translation>Non esiste un servizio di ricerca per l&apos;estensione .%1.</translation>
    </message>
    <message>
        <source>There is no lookup service for %1.</source>
        <extracomment>%1: the address, network or AS number</extracomment>
        <translation>Non esiste un servizio di ricerca per %1.</translation>
    </message>
    <message>
        <source>%1 is reserved or blocked by the registry and cannot be registered.</source>
        <extracomment>%1: the domain name</extracomment>
        <translation>%1 è riservato o bloccato dal registro e non può essere registrato.</translation>
    </message>
    <message>
        <source>.%1 is not a top-level domain of the root zone.</source>
        <extracomment>%1: what was asked, without a dot (&quot;qqq&quot;)</extracomment>
        <translation>.%1 non è un dominio di primo livello della zona radice.</translation>
    </message>
    <message>
        <source>%1; IANA&apos;s whois was asked instead.</source>
        <extracomment>%1: why IANA&apos;s RDAP service could not be used (a sentence of its own)</extracomment>
        <translation>%1; in alternativa è stato consultato il whois della IANA.</translation>
    </message>
    <message>
        <source>Not asked: your address has asked many registries lately.</source>
        <translation>Non interrogato: il suo indirizzo ha interrogato molti registri di recente.</translation>
    </message>
    <message>
        <source>The registry&apos;s lookup service answered with status %1: %2.</source>
        <extracomment>%1: an HTTP status number; %2: the registry&apos;s own words, as it sent them (often English)</extracomment>
        <translation>Il servizio di ricerca del registro ha risposto con lo stato %1: %2.</translation>
    </message>
    <message>
        <source>status %1: %2</source>
        <extracomment>%1: an HTTP status number; %2: the server&apos;s own words, as it sent them (often English)</extracomment>
        <translation>stato %1: %2</translation>
    </message>
    <message>
        <source>%1 looks like a contact&apos;s handle. Handles are not looked up here: type the domain name, address or AS number whose record names it.</source>
        <extracomment>%1: what was typed, such as SD12478-RIPE. &quot;record&quot;: the registration record (the data), not the registry.</extracomment>
        <translation>%1 sembra l&apos;identificativo (handle) di un contatto. Gli identificativi non vengono cercati qui: digitare il nome di dominio, l&apos;indirizzo o il numero AS i cui dati lo citano.</translation>
    </message>
    <message>
        <source>At most %1 extensions can be checked at once.</source>
        <extracomment>%1: a number (50)</extracomment>
        <translation>Si possono verificare al massimo %1 estensioni alla volta.</translation>
    </message>
    <message>
        <source>the server did not prove that it is %1 (%2), so nothing was asked of it</source>
        <extracomment>%1: a server&apos;s host name; %2: why (a reason of its own)</extracomment>
        <translation>il server non ha dimostrato di essere %1 (%2), quindi non gli è stato chiesto nulla</translation>
    </message>
    <message>
        <source>its certificate is for another name</source>
        <extracomment>Why a server&apos;s certificate was refused: said inside &quot;the server did not prove that it is %1 (…)&quot;</extracomment>
        <translation>il suo certificato è per un altro nome</translation>
    </message>
    <message>
        <source>its certificate is signed by itself, not by a certificate authority</source>
        <extracomment>Why a server&apos;s certificate was refused: said inside &quot;the server did not prove that it is %1 (…)&quot;</extracomment>
        <translation>il suo certificato è firmato da sé stesso, non da un&apos;autorità di certificazione</translation>
    </message>
    <message>
        <source>its certificate has expired or is not yet valid</source>
        <extracomment>Why a server&apos;s certificate was refused: said inside &quot;the server did not prove that it is %1 (…)&quot;</extracomment>
        <translation>il suo certificato è scaduto o non è ancora valido</translation>
    </message>
    <message>
        <source>its certificate is from an authority that is not trusted</source>
        <extracomment>Why a server&apos;s certificate was refused: said inside &quot;the server did not prove that it is %1 (…)&quot;</extracomment>
        <translation>il suo certificato proviene da un&apos;autorità non attendibile</translation>
    </message>
    <message>
        <source>%1 would be asked in plain text, after a question asked over https</source>
        <extracomment>Why a redirect was refused. %1: the address (URL) it leads to, which begins with http://</extracomment>
        <translation>%1 verrebbe interrogato in chiaro, dopo una domanda posta tramite https</translation>
    </message>
    <message>
        <source>The registry answered, but its answer does not say whether %1 is registered.</source>
        <extracomment>Under the verdict &quot;Unknown&quot;: the registry&apos;s answer (the page shows it whole) has no wording the site knows and no field it reads. %1: the domain name.</extracomment>
        <translation>Il registro ha risposto, ma la sua risposta non dice se %1 è registrato.</translation>
    </message>
    <message>
        <source>%1, line %2: “%3”</source>
        <extracomment>What a verdict rests on, shown under it: the line of a whois server&apos;s answer that decided. %1: the server&apos;s host name; %2: the line&apos;s number in the answer; %3: the line itself, as the server sent it (in its language).</extracomment>
        <translation>%1, riga %2: «%3»</translation>
    </message>
    <message>
        <source>%1 answered with HTTP status %2</source>
        <extracomment>What a verdict rests on: the status of the registry&apos;s RDAP answer. %1: the address (URL) asked; %2: the HTTP status, a number such as 404.</extracomment>
        <translation>%1 ha risposto con lo stato HTTP %2</translation>
    </message>
    <message>
        <source>%1 answered, but no line of its answer is about %2 being registered or not</source>
        <extracomment>What the verdict &quot;Unknown&quot; rests on: an answer with no line that says. %1: the server; %2: the domain name.</extracomment>
        <translation>%1 ha risposto, ma nessuna riga della sua risposta dice se %2 è registrato</translation>
    </message>
    <message>
        <source>the DNS delegates %1 to name servers</source>
        <extracomment>What the verdict &quot;Registered&quot; rests on in a check of a name in many extensions: the DNS names name servers for it, which only a registered name has. %1: the domain name.</extracomment>
        <translation>il DNS delega %1 a dei name server</translation>
    </message>
    <message>
        <source>The registry refused the question about %1, so its answer does not say whether it is registered.</source>
        <extracomment>The registry would not answer the question (an invalid query, or a name outside the extensions it serves), so nothing says whether the name is registered. %1: the domain name.</extracomment>
        <translation>Il registro ha rifiutato la domanda su %1, quindi la sua risposta non dice se è registrato.</translation>
    </message>
    <message>
        <source>%1 lies within the domain %2.</source>
        <extracomment>%1: a host name such as www.example.com; %2: the registered domain it lies in (example.com). The verdict that follows is about %2.</extracomment>
        <translation>%1 fa parte del dominio %2.</translation>
    </message>
    <message>
        <source>The lookup service is busy. Try again in %1.</source>
        <extracomment>%1: a wait, as people say it: &quot;45 s&quot;, &quot;2 min&quot;, &quot;59 min 36 s&quot;, &quot;1 h 5 min&quot; (units h, min, s)</extracomment>
        <translation>Il servizio di ricerca è occupato. Riprovare tra %1.</translation>
    </message>
    <message>
        <source>Your address has asked for many lookups lately. Try again in %1.</source>
        <extracomment>%1: a wait, as people say it: &quot;45 s&quot;, &quot;2 min&quot;, &quot;59 min 36 s&quot;, &quot;1 h 5 min&quot; (units h, min, s)</extracomment>
        <translation>Dal suo indirizzo sono state richieste molte ricerche di recente. Riprovare tra %1.</translation>
    </message>
    <message>
        <source>The registry is limiting how often it is asked. Try again in %1.</source>
        <extracomment>%1: a wait, as people say it: &quot;45 s&quot;, &quot;2 min&quot;, &quot;59 min 36 s&quot;, &quot;1 h 5 min&quot; (units h, min, s)</extracomment>
        <translation>Il registro limita la frequenza delle richieste. Riprovare tra %1.</translation>
    </message>
    <message>
        <source>The site is pacing its questions to %1 so as not to be blocked there; its record is left out. Try again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>Il sito distanzia nel tempo le richieste a %1 per evitare di essere bloccato; i suoi dati vengono omessi. Riprovare tra %2.</translation>
    </message>
    <message>
        <source>The site is pacing its questions to %1 so as not to be blocked there. Try again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>Il sito distanzia nel tempo le richieste a %1 per evitare di essere bloccato. Riprovare tra %2.</translation>
    </message>
    <message>
        <source>The registry&apos;s lookup service (%1) has failed again and again; it is asked again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>Il servizio di ricerca del registro (%1) non ha risposto più volte; verrà interrogato di nuovo tra %2.</translation>
    </message>
    <message>
        <source>%1 is limiting how often it is asked; its record is left out. Try again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>%1 limita la frequenza delle richieste; i suoi dati non sono riportati. Riprovare tra %2.</translation>
    </message>
    <message>
        <source>%1 has failed again and again; its record is left out. Try again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>%1 non ha risposto più volte; i suoi dati non sono riportati. Riprovare tra %2.</translation>
    </message>
    <message>
        <source>No record names an abuse contact for %1.</source>
        <extracomment>Who to tell of abuse: no record asked names an abuse contact. %1: the domain name, address or network.</extracomment>
        <translation>Nessun record indica un contatto per gli abusi per %1.</translation>
    </message>
    <message>
        <source>%1 could not be looked up: %2</source>
        <extracomment>Who to tell of abuse: one of the further lookups failed. %1: a domain name, address or network; %2: why.</extracomment>
        <translation>Non è stato possibile consultare %1: %2</translation>
    </message>
    <message>
        <source>Your lookups for now are spent, so the rest was not looked up. Try again in %1.</source>
        <extracomment>Who to tell of abuse: the further lookups stopped at the client&apos;s budget. %1: a duration (&quot;5 min 3 s&quot;).</extracomment>
        <translation>Le sue ricerche per ora sono esaurite, quindi il resto non è stato consultato. Riprovi tra %1.</translation>
    </message>
    <message>
        <source>The site has no DNS resolver, so the networks that host %1 were not looked for.</source>
        <extracomment>Who to tell of abuse: the site cannot ask the DNS for a domain&apos;s addresses. %1: the domain name.</extracomment>
        <translation>Il sito non ha un resolver DNS, quindi le reti che ospitano %1 non sono state cercate.</translation>
    </message>
    <message>
        <source>The DNS gives no address for %1 or its name servers.</source>
        <extracomment>Who to tell of abuse: the DNS gives no address for the domain or its name servers. %1: the domain name.</extracomment>
        <translation>Il DNS non dà alcun indirizzo per %1 né per i suoi name server.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Domain name</source>
        <translation>Nome di dominio</translation>
    </message>
    <message>
        <source>Look up</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Quelcor whois lookup</source>
        <translation>Ricerca whois di Quelcor</translation>
    </message>
    <message>
        <source>From the site&apos;s cache: looked up %1 s ago.</source>
        <translation>Dalla cache del sito: ricerca eseguita %1 s fa.</translation>
    </message>
    <message>
        <source>Record from %1</source>
        <translation>Dati forniti da %1</translation>
    </message>
    <message>
        <source>The record was longer than 1 MiB; only its beginning is shown.</source>
        <translation>I dati superavano 1 MiB; ne viene mostrato solo l&apos;inizio.</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Whois lookup&lt;/h1&gt;&lt;p&gt;Type a domain name, such as &lt;b&gt;example.com&lt;/b&gt;, and press &lt;b&gt;Look up&lt;/b&gt; to see who registered it, with which registrar, and until when.&lt;/p&gt;&lt;p&gt;An IP address such as &lt;b&gt;8.8.8.8&lt;/b&gt;, a network such as &lt;b&gt;8.8.8.0/24&lt;/b&gt; or an AS number such as &lt;b&gt;AS15169&lt;/b&gt; shows who holds it.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Ricerca whois&lt;/h1&gt;&lt;p&gt;Digitare un nome di dominio, ad esempio &lt;b&gt;example.com&lt;/b&gt;, e premere &lt;b&gt;Cerca&lt;/b&gt; per vedere chi lo ha registrato, con quale registrar e fino a quando.&lt;/p&gt;&lt;p&gt;Per un indirizzo IP come &lt;b&gt;8.8.8.8&lt;/b&gt;, una rete come &lt;b&gt;8.8.8.0/24&lt;/b&gt; o un numero AS come &lt;b&gt;AS15169&lt;/b&gt; viene mostrato chi ne è titolare.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Dominio</translation>
    </message>
    <message>
        <source>Registrar</source>
        <extracomment>The role of an abuse contact (and a field&apos;s label): the domain&apos;s registrar</extracomment>
        <translation>Registrar</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Registered</source>
        <translation>Data di registrazione</translation>
    </message>
    <message>
        <source>Expires</source>
        <translation>Data di scadenza</translation>
    </message>
    <message>
        <source>Name servers</source>
        <translation>Name server</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Numeri</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Intervallo</translation>
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
        <translation>Paese</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Titolare</translation>
    </message>
    <message>
        <source>Abuse contact</source>
        <translation>Contatto per abusi</translation>
    </message>
    <message>
        <source>Last changed</source>
        <translation>Ultima modifica</translation>
    </message>
    <message>
        <source>Download Quelcor</source>
        <translation>Scarica Quelcor</translation>
    </message>
    <message>
        <source>&lt;p&gt;The current version of Quelcor is &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Quelcor looks up the registration records of domain names. Install it over the older version: your language choice is kept.&lt;/p&gt;</source>
        <translation>&lt;p&gt;La versione attuale di Quelcor è la &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Quelcor cerca i dati di registrazione dei nomi di dominio. Installarlo sopra la versione precedente: la scelta della lingua viene mantenuta.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Quelcor forum</source>
        <translation>Forum di Quelcor</translation>
    </message>
    <message>
        <source>&lt;p&gt;Users of Quelcor help one another here: questions about lookups, language drivers and updates.&lt;/p&gt;&lt;p&gt;Before asking, try the &lt;a href=&quot;%1&quot;&gt;lookup page&lt;/a&gt; in a desktop browser.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qui gli utenti di Quelcor si aiutano a vicenda: domande sulle ricerche, sui driver della lingua e sugli aggiornamenti.&lt;/p&gt;&lt;p&gt;Prima di chiedere, provare la &lt;a href=&quot;%1&quot;&gt;pagina di ricerca&lt;/a&gt; in un browser per computer.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Report a bug</source>
        <translation>Segnalare un bug</translation>
    </message>
    <message>
        <source>&lt;p&gt;Tell us what you did, what you expected and what happened instead, and give the version that the about window shows.&lt;/p&gt;&lt;p&gt;Write to the address shown in the about window.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Indicare che cosa si è fatto, che cosa ci si aspettava e che cosa è successo invece, insieme alla versione mostrata nella finestra «Informazioni su Quelcor».&lt;/p&gt;&lt;p&gt;Scrivere all&apos;indirizzo indicato nella finestra «Informazioni su Quelcor».&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Quelcor is a small desktop program for looking up the registration records (whois records) of internet domain names.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;a href=&quot;%1&quot;&gt;Download&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%2&quot;&gt;Look a domain up&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%3&quot;&gt;Forum&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%4&quot;&gt;Report a bug&lt;/a&gt;&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;p&gt;Quelcor è un piccolo programma per computer che cerca i dati di registrazione (dati whois) dei nomi di dominio Internet.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;a href=&quot;%1&quot;&gt;Scarica&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%2&quot;&gt;Cercare un dominio&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%3&quot;&gt;Forum&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%4&quot;&gt;Segnalare un bug&lt;/a&gt;&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;ul&gt;&lt;li&gt;&lt;a href=&quot;%1&quot;&gt;Quelcor&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%2&quot;&gt;Look a domain up&lt;/a&gt;&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;ul&gt;&lt;li&gt;&lt;a href=&quot;%1&quot;&gt;Quelcor&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%2&quot;&gt;Cercare un dominio&lt;/a&gt;&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Page not found</source>
        <translation>Pagina non trovata</translation>
    </message>
    <message>
        <source>&lt;p&gt;There is no such page here. Try the &lt;a href=&quot;%1&quot;&gt;product page&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Questa pagina non esiste. Provare la &lt;a href=&quot;%1&quot;&gt;pagina del prodotto&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>How a date is written, in Qt&apos;s date format: d the day, MMMM the month&apos;s name, yyyy the year; text in quotes stays as it is (Spanish: d &apos;de&apos; MMMM &apos;de&apos; yyyy)</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>A button that copies the text beside it to the clipboard</extracomment>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Copied</source>
        <extracomment>The copy button once it has copied</extracomment>
        <translation>Copiato</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>A link that saves a record as a file</extracomment>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>expires today</source>
        <extracomment>Of a domain name&apos;s registration</extracomment>
        <translation>scade oggi</translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <extracomment>How long a registration has left (&quot;expires 3 May 2027, in 146 days&quot;), or how long ago it ran out</extracomment>
        <translation>
            <numerusform>tra %n giorno</numerusform>
            <numerusform>tra %n giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>expired %n day(s) ago</source>
        <translation>
            <numerusform>scaduto %n giorno fa</numerusform>
            <numerusform>scaduto %n giorni fa</numerusform>
        </translation>
    </message>
    <message>
        <source>DNSSEC</source>
        <translation>DNSSEC</translation>
    </message>
    <message>
        <source>signed</source>
        <translation>firmato</translation>
    </message>
    <message>
        <source>not signed</source>
        <translation>non firmato</translation>
    </message>
    <message>
        <source>Registrar&apos;s IANA id</source>
        <translation>ID IANA del registrar</translation>
    </message>
    <message>
        <source>Registrar&apos;s web site</source>
        <translation>Sito web del registrar</translation>
    </message>
    <message>
        <source>Top-level domain</source>
        <translation>Dominio di primo livello</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Gestore</translation>
    </message>
    <message>
        <source>Whois server</source>
        <translation>Server whois</translation>
    </message>
    <message>
        <source>RDAP service</source>
        <translation>Servizio RDAP</translation>
    </message>
    <message>
        <source>held by %1</source>
        <extracomment>%1: who holds a domain name, an address range or AS numbers</extracomment>
        <translation>titolare: %1</translation>
    </message>
    <message>
        <source>registrar %1</source>
        <extracomment>%1: the registrar&apos;s name</extracomment>
        <translation>registrar: %1</translation>
    </message>
    <message>
        <source>expires %1, %2</source>
        <extracomment>%1: a date; %2: how long is left (&quot;in 146 days&quot;)</extracomment>
        <translation>scade il giorno %1, %2</translation>
    </message>
    <message>
        <source>in its redemption period: only the holder can still renew it</source>
        <translation>nel periodo di riscatto: solo il titolare può ancora rinnovarlo</translation>
    </message>
    <message>
        <source>about to be deleted by the registry</source>
        <translation>prossimo alla cancellazione da parte del registro</translation>
    </message>
    <message>
        <source>expired</source>
        <translation>scaduto</translation>
    </message>
    <message>
        <source>since %1</source>
        <extracomment>%1: a date</extracomment>
        <translation>dal giorno %1</translation>
    </message>
    <message>
        <source>managed by %1</source>
        <extracomment>%1: the organisation that runs a top-level domain</extracomment>
        <translation>gestito da %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;A top-level domain such as &lt;b&gt;de&lt;/b&gt; shows who runs it and where its registry answers.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Un dominio di primo livello come &lt;b&gt;de&lt;/b&gt; mostra chi lo gestisce e dove risponde il suo registro.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Each row comes as its registry answers. Type &lt;b&gt;name.*&lt;/b&gt; for the usual extensions, or name them: &lt;b&gt;name.{de,fr,it}&lt;/b&gt;. A name with name servers in the DNS is registered; the others are asked of their registries.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Ogni riga arriva appena il suo registro risponde. Digitare &lt;b&gt;nome.*&lt;/b&gt; per le estensioni consuete, oppure indicarle: &lt;b&gt;nome.{de,fr,it}&lt;/b&gt;. Un nome con name server nel DNS è registrato; gli altri vengono chiesti ai loro registri.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Estensione</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Risposta</translation>
    </message>
    <message>
        <source>it has name servers</source>
        <extracomment>Of a name found registered from its name servers in the DNS, without asking its registry</extracomment>
        <translation>ha name server</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;quelcor.*&lt;/b&gt; shows in which of the usual extensions a name is still free, &lt;b&gt;quelcor.{de,fr,it}&lt;/b&gt; in those named.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;quelcor.*&lt;/b&gt; mostra in quali delle estensioni consuete un nome è ancora libero, &lt;b&gt;quelcor.{de,fr,it}&lt;/b&gt; in quelle indicate.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check %1 in the usual extensions</source>
        <extracomment>%1: a name without extension (&quot;quelcor&quot;)</extracomment>
        <translation>Verificare %1 nelle estensioni consuete</translation>
    </message>
    <message>
        <source>withheld</source>
        <extracomment>The value of a field that the registry or registrar withholds (RFC 9537 redaction)</extracomment>
        <translation>non pubblicato</translation>
    </message>
    <message>
        <source>withheld: %1</source>
        <extracomment>The value of a field that the registry or registrar withholds; %1: the reason it gives, in its own words</extracomment>
        <translation>non pubblicato: %1</translation>
    </message>
    <message>
        <source>%1 (not a date)</source>
        <extracomment>%1: what a record wrote where a date belongs, which is none (&quot;294247-01-10T04:00:54Z&quot;)</extracomment>
        <translation>%1 (non è una data)</translation>
    </message>
    <message>
        <source>Withheld</source>
        <extracomment>What the record says it withholds, as it names it (&quot;Registrant Name (Server policy)&quot;)</extracomment>
        <translation>Non pubblicato</translation>
    </message>
    <message>
        <source>Host name</source>
        <extracomment>The host name that was asked, which lies below the registered domain</extracomment>
        <translation>Nome host</translation>
    </message>
    <message>
        <source>Host addresses</source>
        <translation>Indirizzi dell&apos;host</translation>
    </message>
    <message>
        <source>Host status</source>
        <translation>Stato dell&apos;host</translation>
    </message>
    <message>
        <source>holder withheld</source>
        <extracomment>Of a domain name whose holder the registrar does not show (RFC 9537 redaction)</extracomment>
        <translation>titolare non pubblicato</translation>
    </message>
    <message>
        <source>Watch: its history, a calendar of its dates, a feed of its changes</source>
        <translation>Monitorare: cronologia, calendario delle sue date, feed delle sue modifiche</translation>
    </message>
    <message>
        <source>%1 is not a domain name that can be watched.</source>
        <extracomment>A name asked to be watched that is not one; %1 is what was given.</extracomment>
        <translation>%1 non è un nome di dominio che si possa monitorare.</translation>
    </message>
    <message>
        <source>Name the domain names to watch, such as names=example.com,example.org.</source>
        <extracomment>&quot;names=&quot; is the parameter of the address and stays as it is.</extracomment>
        <translation>Indicare i nomi di dominio da monitorare, ad esempio names=example.com,example.org.</translation>
    </message>
    <message>
        <source>At most %1 names can be watched together.</source>
        <translation>Si possono monitorare al massimo %1 nomi insieme.</translation>
    </message>
    <message>
        <source>What this site saw of %1, newest first: each time something changed.</source>
        <translation>Ciò che questo sito ha visto di %1, dal più recente: ogni volta che qualcosa è cambiato.</translation>
    </message>
    <message>
        <source>Nothing yet: the site looks the name up now, and again as its dates near. Come back later.</source>
        <translation>Ancora nulla: il sito cerca il nome ora, e di nuovo quando le sue date si avvicinano. Tornare più tardi.</translation>
    </message>
    <message>
        <source>Seen</source>
        <extracomment>The heading of a column of dates and times (UTC) at which the site saw a change.</extracomment>
        <translation>Visto il</translation>
    </message>
    <message>
        <source>What changed</source>
        <translation>Che cosa è cambiato</translation>
    </message>
    <message>
        <source>Watch</source>
        <extracomment>A heading, above the addresses of the name&apos;s calendar and feed.</extracomment>
        <translation>Monitoraggio</translation>
    </message>
    <message>
        <source>Calendar of its dates (iCalendar)</source>
        <translation>Calendario delle sue date (iCalendar)</translation>
    </message>
    <message>
        <source>Feed of its changes (Atom)</source>
        <translation>Feed delle sue modifiche (Atom)</translation>
    </message>
    <message>
        <source>History as JSON</source>
        <translation>Cronologia in JSON</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>Cronologia di %1</translation>
    </message>
    <message>
        <source>registered</source>
        <translation>registrato</translation>
    </message>
    <message>
        <source>expired, in its grace period</source>
        <translation>scaduto, nel periodo di grazia</translation>
    </message>
    <message>
        <source>in its redemption period</source>
        <translation>nel periodo di riscatto</translation>
    </message>
    <message>
        <source>available</source>
        <translation>disponibile</translation>
    </message>
    <message>
        <source>reserved by its registry</source>
        <translation>riservato dal suo registro</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <extracomment>What the site saw of a watched name first. %1: the domain name; %2: its phase, one of &quot;registered&quot;, &quot;expired, in its grace period&quot;, &quot;in its redemption period&quot;, &quot;about to be deleted&quot;, &quot;available&quot;, &quot;reserved by its registry&quot;.</extracomment>
        <translation>%1 è %2</translation>
    </message>
    <message>
        <source>%1 is now %2</source>
        <extracomment>A watched name&apos;s phase changed. %1: the domain name; %2: its phase, one of &quot;registered&quot;, &quot;expired, in its grace period&quot;, &quot;in its redemption period&quot;, &quot;about to be deleted&quot;, &quot;available&quot;, &quot;reserved by its registry&quot;.</extracomment>
        <translation>%1 ora è %2</translation>
    </message>
    <message>
        <source>%1 expires</source>
        <extracomment>Titles of a calendar&apos;s events, on the day they name. %1: the domain name.</extracomment>
        <translation>%1 scade</translation>
    </message>
    <message>
        <source>%1: its grace period ends</source>
        <translation>%1: termina il periodo di grazia</translation>
    </message>
    <message>
        <source>%1: its redemption period ends</source>
        <translation>%1: termina il periodo di riscatto</translation>
    </message>
    <message>
        <source>estimate</source>
        <extracomment>In parentheses after a calendar event&apos;s title whose date is an estimate.</extracomment>
        <translation>stima</translation>
    </message>
    <message>
        <source>being asked</source>
        <translation>in corso di richiesta</translation>
    </message>
    <message>
        <source>This address has asked for many calendars, feeds and histories lately. Try again in %1 seconds.</source>
        <extracomment>%1: a number of seconds.</extracomment>
        <translation>Da questo indirizzo sono stati richiesti molti calendari, feed e cronologie di recente. Riprovare tra %1 s.</translation>
    </message>
    <message>
        <source>The site watches as many names as it can. Try again in an hour.</source>
        <extracomment>The answer to a calendar, feed or history of a name new to the site when it watches as many names as it may (the operator&apos;s bound); sent with Retry-After: 3600.</extracomment>
        <translation>Il sito monitora già tutti i nomi che può. Riprovare tra un&apos;ora.</translation>
    </message>
    <message>
        <source>This address has brought %1 names to watch, as many as one may. A name nobody asks for is let go after %2 days.</source>
        <extracomment>%1: the most names one address may bring; %2: the days a name stays watched after it was last asked for.</extracomment>
        <translation>Da questo indirizzo si monitorano già %1 nomi, il massimo consentito. Un nome che nessuno richiede smette di essere monitorato dopo %2 giorni.</translation>
    </message>
    <message>
        <source>A name new to the site is looked up first, and that counts as a lookup of yours: this address has asked for many lately. Try again in %1 seconds; the names looked up so far stay watched.</source>
        <extracomment>%1: a number of seconds.</extracomment>
        <translation>Un nome nuovo per il sito viene prima cercato, e questo conta come una sua ricerca: dal suo indirizzo sono state richieste molte ricerche di recente. Riprovare tra %1 s; i nomi cercati finora restano monitorati.</translation>
    </message>
    <message>
        <source>alarms takes up to five numbers of days before a date, each from 0 to 366 (such as alarms=30,7).</source>
        <extracomment>&quot;alarms&quot; is the parameter of the address and stays as it is.</extracomment>
        <translation>alarms accetta fino a cinque numeri di giorni prima di una data, ciascuno da 0 a 366 (ad esempio alarms=30,7).</translation>
    </message>
    <message>
        <source>%1, %2 UTC</source>
        <extracomment>When the site saw a change. %1: a date in words; %2: the time of day (UTC).</extracomment>
        <translation>%1, ore %2 UTC</translation>
    </message>
    <message>
        <source>Subscribe without an account: give the calendar&apos;s address to a calendar program, and the feed&apos;s to a feed reader.</source>
        <translation>Abbonarsi senza account: inserire l&apos;indirizzo del calendario in un programma di calendario e quello del feed in un lettore di feed.</translation>
    </message>
    <message>
        <source>(none)</source>
        <extracomment>A field&apos;s value in a watched name&apos;s history when the record gave none: a registrar, name servers, statuses or an expiry date.</extracomment>
        <translation>(nessun valore)</translation>
    </message>
    <message>
        <source>about to be deleted</source>
        <extracomment>A watched name&apos;s phase, after &quot;%1 is now&quot; or &quot;%1 is&quot;: the registry deletes it within days (the lookup page&apos;s status &quot;about to be deleted&quot; in the Status context says the same).</extracomment>
        <translation>prossimo alla cancellazione</translation>
    </message>
    <message>
        <source>%1 is registered and expires on %2</source>
        <extracomment>What the site saw of a watched name first. %1: the domain name; %2: its expiry date in words.</extracomment>
        <translation>%1 è registrato e scade il %2</translation>
    </message>
    <message>
        <source>%1: the registrar was %2 and is now %3</source>
        <extracomment>A watched name&apos;s record changed. %1: the domain name; %2 and %3: the values before and after, or &quot;(none)&quot;.</extracomment>
        <translation>%1: il registrar era %2 e ora è %3</translation>
    </message>
    <message>
        <source>%1: the name servers were %2 and are now %3</source>
        <extracomment>As above; %2 and %3: lists of name servers, or &quot;(none)&quot;.</extracomment>
        <translation>%1: i name server erano %2 e ora sono %3</translation>
    </message>
    <message>
        <source>%1: the statuses were %2 and are now %3</source>
        <extracomment>As above; %2 and %3: lists of statuses in words, or &quot;(none)&quot;.</extracomment>
        <translation>%1: gli stati erano %2 e ora sono %3</translation>
    </message>
    <message>
        <source>%1: the expiry date was %2 and is now %3</source>
        <extracomment>As above; %2 and %3: dates in words, or &quot;(none)&quot;.</extracomment>
        <translation>%1: la data di scadenza era %2 e ora è %3</translation>
    </message>
    <message>
        <source>%1 may become available</source>
        <extracomment>A calendar event&apos;s title on the estimated day a leaving name may be registered again. %1: the name.</extracomment>
        <translation>%1 potrebbe tornare libero</translation>
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
            <numerusform>%1 in %n estensione</numerusform>
            <numerusform>%1 in %n estensioni</numerusform>
        </translation>
    </message>
    <message>
        <source>Evidence (ZIP)</source>
        <extracomment>A link beside Download that saves every answer the site received for the lookup, as received, in a ZIP file</extracomment>
        <translation>Prove (ZIP)</translation>
    </message>
    <message>
        <source>Report abuse</source>
        <extracomment>The heading of the section that says whom to tell of abuse by a name, an address or a network</extracomment>
        <translation>Segnala un abuso</translation>
    </message>
    <message>
        <source>Write to them in this order. Each says where the record names it, to check it.</source>
        <extracomment>Under &quot;Report abuse&quot;: the contacts below are in the order to write to them, each with the record and field it was read from</extracomment>
        <translation>Scriva loro in quest’ordine. Per ciascuno è indicato dove il record lo nomina, per verificarlo.</translation>
    </message>
    <message>
        <source>Hosting network</source>
        <extracomment>The role of an abuse contact: the network of an address that the domain name points to</extracomment>
        <translation>Rete di hosting</translation>
    </message>
    <message>
        <source>DNS network</source>
        <extracomment>The role of an abuse contact: the network of an address of one of the domain&apos;s name servers</extracomment>
        <translation>Rete DNS</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The role of an abuse contact: the IP network or AS number asked about, or one that contains it</extracomment>
        <translation>Rete</translation>
    </message>
    <message>
        <source>Registry</source>
        <extracomment>The role of an abuse contact: the registry that runs the domain&apos;s top-level domain</extracomment>
        <translation>Registro</translation>
    </message>
    <message>
        <source>From %1: %2</source>
        <extracomment>Where an abuse contact was read. %1: a server or address (URL), %2: the field</extracomment>
        <translation>Da %1: %2</translation>
    </message>
    <message>
        <source>From %1, line %2: %3</source>
        <extracomment>Where an abuse contact was read in a whois answer. %1: a server, %2: a line&apos;s number, %3: the key</extracomment>
        <translation>Da %1, riga %2: %3</translation>
    </message>
    <message>
        <source>For %1 (%2)</source>
        <extracomment>The name and address whose network an abuse contact is. %1: a domain name or name server, %2: its address</extracomment>
        <translation>Per %1 (%2)</translation>
    </message>
    <message>
        <source>%1 names no abuse contact of its own; this is the contact of a network that contains it.</source>
        <extracomment>%1: a network (its range) whose own record names no abuse contact</extracomment>
        <translation>%1 non indica un proprio contatto per gli abusi; questo è il contatto di una rete che la contiene.</translation>
    </message>
    <message>
        <source>Find more contacts: the registry&apos;s, the networks that contain or host it (takes more lookups)</source>
        <extracomment>A link under &quot;Report abuse&quot; that looks further: the registry&apos;s contact, the networks that contain an address, the networks that host a domain (each lookup counts against the visitor&apos;s lookups)</extracomment>
        <translation>Trova altri contatti: quello del registro, quelli delle reti che lo contengono o lo ospitano (richiede altre ricerche)</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>active</source>
        <translation>attivo</translation>
    </message>
    <message>
        <source>inactive (no name servers)</source>
        <translation>inattivo (nessun name server)</translation>
    </message>
    <message>
        <source>validated</source>
        <translation>convalidato</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>bloccato</translation>
    </message>
    <message>
        <source>registered through a proxy</source>
        <translation>registrato tramite un proxy</translation>
    </message>
    <message>
        <source>private</source>
        <translation>privato</translation>
    </message>
    <message>
        <source>some data removed</source>
        <extracomment>Some of the record&apos;s data was left out (not the domain name deleted)</extracomment>
        <translation>alcuni dati rimossi</translation>
    </message>
    <message>
        <source>some data altered</source>
        <extracomment>Some of the record&apos;s data was altered or masked (not the domain name blocked)</extracomment>
        <translation>alcuni dati offuscati</translation>
    </message>
    <message>
        <source>associated with another object</source>
        <translation>associato a un altro oggetto</translation>
    </message>
    <message>
        <source>renewal locked</source>
        <translation>rinnovo bloccato</translation>
    </message>
    <message>
        <source>changes locked</source>
        <translation>modifiche bloccate</translation>
    </message>
    <message>
        <source>transfer locked</source>
        <translation>trasferimento bloccato</translation>
    </message>
    <message>
        <source>deletion locked</source>
        <translation>cancellazione bloccata</translation>
    </message>
    <message>
        <source>deletion locked by the registrar</source>
        <translation>cancellazione bloccata dal registrar</translation>
    </message>
    <message>
        <source>renewal locked by the registrar</source>
        <translation>rinnovo bloccato dal registrar</translation>
    </message>
    <message>
        <source>transfer locked by the registrar</source>
        <translation>trasferimento bloccato dal registrar</translation>
    </message>
    <message>
        <source>changes locked by the registrar</source>
        <translation>modifiche bloccate dal registrar</translation>
    </message>
    <message>
        <source>kept out of the DNS by the registrar</source>
        <translation>escluso dal DNS per decisione del registrar</translation>
    </message>
    <message>
        <source>deletion locked by the registry</source>
        <translation>cancellazione bloccata dal registro</translation>
    </message>
    <message>
        <source>renewal locked by the registry</source>
        <translation>rinnovo bloccato dal registro</translation>
    </message>
    <message>
        <source>transfer locked by the registry</source>
        <translation>trasferimento bloccato dal registro</translation>
    </message>
    <message>
        <source>changes locked by the registry</source>
        <translation>modifiche bloccate dal registro</translation>
    </message>
    <message>
        <source>kept out of the DNS by the registry</source>
        <translation>escluso dal DNS per decisione del registro</translation>
    </message>
    <message>
        <source>being created</source>
        <translation>in corso di creazione</translation>
    </message>
    <message>
        <source>being renewed</source>
        <translation>in corso di rinnovo</translation>
    </message>
    <message>
        <source>being transferred</source>
        <translation>in corso di trasferimento</translation>
    </message>
    <message>
        <source>being changed</source>
        <translation>in corso di modifica</translation>
    </message>
    <message>
        <source>about to be deleted</source>
        <translation>prossimo alla cancellazione</translation>
    </message>
    <message>
        <source>being restored</source>
        <translation>in corso di ripristino</translation>
    </message>
    <message>
        <source>newly registered (grace period)</source>
        <translation>appena registrato (periodo di grazia)</translation>
    </message>
    <message>
        <source>renewed automatically (grace period)</source>
        <translation>rinnovato automaticamente (periodo di grazia)</translation>
    </message>
    <message>
        <source>recently renewed (grace period)</source>
        <translation>rinnovato di recente (periodo di grazia)</translation>
    </message>
    <message>
        <source>recently transferred (grace period)</source>
        <translation>trasferito di recente (periodo di grazia)</translation>
    </message>
    <message>
        <source>expired but still redeemable (redemption period)</source>
        <translation>scaduto ma ancora recuperabile (periodo di riscatto)</translation>
    </message>
    <message>
        <source>reserved by the registry</source>
        <translation>riservato dal registro</translation>
    </message>
    <message>
        <source>registered</source>
        <translation>registrato</translation>
    </message>
    <message>
        <source>granted to the holder</source>
        <translation>concesso al titolare</translation>
    </message>
    <message>
        <source>in the DNS</source>
        <translation>nel DNS</translation>
    </message>
    <message>
        <source>holder verified</source>
        <translation>titolare verificato</translation>
    </message>
    <message>
        <source>assigned</source>
        <translation>assegnato</translation>
    </message>
    <message>
        <source>assigned, provider-independent</source>
        <translation>assegnato, indipendente dal provider</translation>
    </message>
    <message>
        <source>allocated</source>
        <translation>allocato</translation>
    </message>
    <message>
        <source>legacy (held since before the regional registries)</source>
        <translation>storico (assegnato prima dei registri regionali)</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>Available</source>
        <extracomment>The verdict on a domain name that is not registered: it can be registered</extracomment>
        <translation>Disponibile</translation>
    </message>
    <message>
        <source>Registered</source>
        <translation>Registrato</translation>
    </message>
    <message>
        <source>Reserved or blocked</source>
        <translation>Riservato o bloccato</translation>
    </message>
    <message>
        <source>Registry busy</source>
        <translation>Registro occupato</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Nessuna risposta</translation>
    </message>
    <message>
        <source>Allocated</source>
        <extracomment>The verdict on an address range or AS numbers that a registry has given out</extracomment>
        <translation>Allocato</translation>
    </message>
    <message>
        <source>No record</source>
        <translation>Nessun dato</translation>
    </message>
    <message>
        <source>Top-level domain</source>
        <translation>Dominio di primo livello</translation>
    </message>
    <message>
        <source>Not looked up</source>
        <extracomment>The verdict on a special-purpose address or number, which no registry holds</extracomment>
        <translation>Ricerca non eseguita</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The answer for an extension whose registry could not be asked or did not answer
----------
The verdict when the registry answered but its answer says neither that the name is registered nor that it is free</extracomment>
        <translation>Sconosciuto</translation>
    </message>
</context>
<context>
    <name>Word</name>
    <message>
        <source>address</source>
        <translation>indirizzo</translation>
    </message>
    <message>
        <source>network</source>
        <translation>rete</translation>
    </message>
    <message>
        <source>AS number</source>
        <translation>numero AS</translation>
    </message>
    <message>
        <source>domain name</source>
        <translation>nome di dominio</translation>
    </message>
    <message>
        <source>&quot;this network&quot;</source>
        <translation>«questa rete»</translation>
    </message>
    <message>
        <source>private</source>
        <translation>privato</translation>
    </message>
    <message>
        <source>shared</source>
        <translation>condiviso</translation>
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
        <translation>assegnazione di protocollo</translation>
    </message>
    <message>
        <source>documentation</source>
        <translation>documentazione</translation>
    </message>
    <message>
        <source>6to4 relay anycast</source>
        <translation>anycast dei relay 6to4</translation>
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
        <translation>riservato</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>broadcast</translation>
    </message>
    <message>
        <source>unspecified</source>
        <translation>non specificato</translation>
    </message>
    <message>
        <source>deprecated IPv4-compatible</source>
        <translation>compatibile IPv4 deprecato</translation>
    </message>
    <message>
        <source>NAT64</source>
        <translation>NAT64</translation>
    </message>
    <message>
        <source>local-use NAT64</source>
        <translation>NAT64 per uso locale</translation>
    </message>
    <message>
        <source>discard-only</source>
        <translation>solo scarto</translation>
    </message>
    <message>
        <source>unique local</source>
        <translation>locale univoco</translation>
    </message>
    <message>
        <source>deprecated site-local</source>
        <translation>site-local deprecato</translation>
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
        <translation>riservato (AS_TRANS)</translation>
    </message>
    <message>
        <source>top-level domain</source>
        <translation>dominio di primo livello</translation>
    </message>
</context>
</TS>
