<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Message</name>
    <message>
        <source>Type a domain name, such as example.com.</source>
        <translation>Saisissez un nom de domaine, par exemple example.com.</translation>
    </message>
    <message>
        <source>A domain name holds no blanks, line breaks or control characters.</source>
        <translation>Un nom de domaine ne contient ni espaces, ni sauts de ligne, ni caractères de contrôle.</translation>
    </message>
    <message>
        <source>A domain name does not start with a hyphen.</source>
        <translation>Un nom de domaine ne commence pas par un trait d&apos;union.</translation>
    </message>
    <message>
        <source>This is not a valid domain name.</source>
        <translation>Ce n&apos;est pas un nom de domaine valide.</translation>
    </message>
    <message>
        <source>A domain name has at most 253 characters.</source>
        <translation>Un nom de domaine comporte au plus 253 caractères.</translation>
    </message>
    <message>
        <source>A domain name has no empty labels (two dots in a row).</source>
        <translation>Un nom de domaine n&apos;a pas de partie vide (deux points consécutifs).</translation>
    </message>
    <message>
        <source>Each part of a domain name has at most 63 characters.</source>
        <translation>Chaque partie d&apos;un nom de domaine comporte au plus 63 caractères.</translation>
    </message>
    <message>
        <source>No part of a domain name starts or ends with a hyphen.</source>
        <translation>Aucune partie d&apos;un nom de domaine ne commence ni ne se termine par un trait d&apos;union.</translation>
    </message>
    <message>
        <source>A domain name holds only letters, digits, hyphens and dots.</source>
        <translation>Un nom de domaine ne contient que des lettres, des chiffres, des traits d&apos;union et des points.</translation>
    </message>
    <message>
        <source>An AS number is a whole number from 0 to 4294967295.</source>
        <translation>Un numéro d&apos;AS est un nombre entier de 0 à 4294967295.</translation>
    </message>
    <message>
        <source>This is not a valid IPv6 address.</source>
        <translation>Ce n&apos;est pas une adresse IPv6 valide.</translation>
    </message>
    <message>
        <source>An IPv4 address is four numbers from 0 to 255, such as 192.0.2.1.</source>
        <translation>Une adresse IPv4 se compose de quatre nombres de 0 à 255, par exemple 192.0.2.1.</translation>
    </message>
    <message>
        <source>A network&apos;s prefix length is a number from 0 to 32 for IPv4 and from 0 to 128 for IPv6.</source>
        <translation>La longueur de préfixe d&apos;un réseau est un nombre de 0 à 32 pour IPv4 et de 0 à 128 pour IPv6.</translation>
    </message>
    <message>
        <source>An IPv4-mapped network has a prefix length from 96 to 128.</source>
        <translation>Un réseau d&apos;adresses IPv4 mappées a une longueur de préfixe de 96 à 128.</translation>
    </message>
    <message>
        <source>%1 is a %2 %3 (%4); no registry holds a record for it.</source>
        <extracomment>%1: the address, network or AS number as asked; %2: its kind (a word: &quot;private&quot;, &quot;documentation&quot;); %3: what it is (a word: &quot;address&quot;, &quot;network&quot;); %4: where the kind is defined (&quot;RFC 1918&quot;), or a nested reason</extracomment>
        <translation>%1 (%3) relève d&apos;une catégorie particulière&#xa0;: %2 (%4)&#x202f;; aucun registre ne détient de fiche à son sujet.</translation>
    </message>
    <message>
        <source>%1 is an %2 %3 (%4); no registry holds a record for it.</source>
        <extracomment>The same as the sentence with &quot;a&quot;: English needs &quot;an&quot; before a vowel sound; translate both alike.</extracomment>
        <translation>%1 (%3) relève d&apos;une catégorie particulière&#xa0;: %2 (%4)&#x202f;; aucun registre ne détient de fiche à son sujet.</translation>
    </message>
    <message>
        <source>%1, carrying the %3 address %2</source>
        <extracomment>%1: the defining document (&quot;RFC 6052&quot;); %2: the IPv4 address carried; %3: its kind (a word)</extracomment>
        <translation>%1, adresse intégrée %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>not an address</source>
        <translation>pas une adresse</translation>
    </message>
    <message>
        <source>the name %1 could not be resolved</source>
        <extracomment>%1: a host name</extracomment>
        <translation>le nom %1 n&apos;a pas pu être résolu</translation>
    </message>
    <message>
        <source>%1 is at %2, which is not a public address</source>
        <extracomment>%1: a host name; %2: the address it resolves to</extracomment>
        <translation>%1 correspond à l&apos;adresse %2, qui n&apos;est pas publique</translation>
    </message>
    <message>
        <source>%1 is not an http or https address</source>
        <extracomment>%1: an address (URL) that a server named</extracomment>
        <translation>%1 n&apos;est pas une adresse http ou https</translation>
    </message>
    <message>
        <source>no complete answer within %1 s</source>
        <extracomment>%1: a number of seconds</extracomment>
        <translation>aucune réponse complète dans un délai de %1 s</translation>
    </message>
    <message>
        <source>no connection within %1 s</source>
        <extracomment>%1: a number of seconds</extracomment>
        <translation>aucune connexion dans un délai de %1 s</translation>
    </message>
    <message>
        <source>a redirect was refused: %1</source>
        <extracomment>%1: why (a reason of its own)</extracomment>
        <translation>une redirection a été refusée&#xa0;: %1</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>aucune réponse</translation>
    </message>
    <message>
        <source>an HTTP status that is no answer (%1)</source>
        <extracomment>%1: an HTTP status number</extracomment>
        <translation>un statut HTTP qui n&apos;est pas une réponse (%1)</translation>
    </message>
    <message>
        <source>the lookup service redirected too often</source>
        <translation>le service de recherche a redirigé trop souvent</translation>
    </message>
    <message>
        <source>The RDAP bootstrap file could not be read: its fetch was abandoned</source>
        <translation>Le fichier d&apos;amorçage RDAP n&apos;a pas pu être lu&#xa0;: sa récupération a été abandonnée</translation>
    </message>
    <message>
        <source>status %1</source>
        <extracomment>%1: an HTTP status number</extracomment>
        <translation>statut %1</translation>
    </message>
    <message>
        <source>the file is too long</source>
        <translation>le fichier est trop long</translation>
    </message>
    <message>
        <source>the file is not a bootstrap file</source>
        <translation>le fichier n&apos;est pas un fichier d&apos;amorçage</translation>
    </message>
    <message>
        <source>The RDAP bootstrap file could not be read: %1</source>
        <extracomment>%1: why (a reason of its own)</extracomment>
        <translation>Le fichier d&apos;amorçage RDAP n&apos;a pas pu être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Too many lookups from your address are under way. Try again in 5 s.</source>
        <translation>Trop de recherches sont en cours depuis votre adresse. Réessayez dans 5 s.</translation>
    </message>
    <message>
        <source>%1 is not registered.</source>
        <extracomment>%1: the domain name</extracomment>
        <translation>%1 n&apos;est pas enregistré.</translation>
    </message>
    <message>
        <source>No registry holds a record for %1.</source>
        <extracomment>%1: the address, network or AS number</extracomment>
        <translation>Aucun registre ne détient de fiche pour %1.</translation>
    </message>
    <message>
        <source>The registry is limiting how often it is asked. Try again later.</source>
        <translation>Le registre limite la fréquence des interrogations. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>The lookup took longer than %1 s and was given up.</source>
        <extracomment>%1: a number of seconds</extracomment>
        <translation>La recherche a duré plus de %1 s et a été abandonnée.</translation>
    </message>
    <message>
        <source>%1; whois was asked instead.</source>
        <extracomment>%1: why RDAP could not be used (a sentence of its own)</extracomment>
        <translation>%1&#x202f;; whois a été interrogé à la place.</translation>
    </message>
    <message>
        <source>The registry&apos;s lookup service (%1) could not be asked: %2.</source>
        <extracomment>%1: the registry server&apos;s host name; %2: why (a reason of its own)</extracomment>
        <translation>Le service de recherche du registre (%1) n&apos;a pas pu être interrogé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The registry&apos;s lookup service answered with status %1.</source>
        <extracomment>%1: an HTTP status number</extracomment>
        <translation>Le service de recherche du registre a répondu avec le statut %1.</translation>
    </message>
    <message>
        <source>The registry&apos;s record was longer than the site reads and could not be read.</source>
        <translation>La fiche du registre était trop longue pour le site et n&apos;a pas pu être lue.</translation>
    </message>
    <message>
        <source>The registry&apos;s answer is not a record the site can read.</source>
        <translation>La réponse du registre n&apos;est pas une fiche que le site sait lire.</translation>
    </message>
    <message>
        <source>not a record the site can read</source>
        <translation>ce n&apos;est pas une fiche que le site sait lire</translation>
    </message>
    <message>
        <source>The registrar&apos;s record (%1) could not be read: %2.</source>
        <extracomment>%1: the registrar server&apos;s host name; %2: why (a reason of its own)</extracomment>
        <translation>La fiche du bureau d&apos;enregistrement (%1) n&apos;a pas pu être lue&#xa0;: %2.</translation>
    </message>
    <message>
        <source>refused to ask it: %1</source>
        <extracomment>%1: why (a reason of its own)</extracomment>
        <translation>le site a refusé de l&apos;interroger&#xa0;: %1</translation>
    </message>
    <message>
        <source>it closed the connection without an answer</source>
        <translation>la connexion a été fermée sans réponse</translation>
    </message>
    <message>
        <source>The registrar&apos;s whois server %1 could not be asked: %2.</source>
        <extracomment>%1: a whois server (host name, perhaps with a port); %2: why (a reason of its own)</extracomment>
        <translation>Le serveur whois %1 du bureau d&apos;enregistrement n&apos;a pas pu être interrogé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The whois server %1 that the registry refers to could not be asked: %2.</source>
        <extracomment>%1: a whois server (host name, perhaps with a port); %2: why (a reason of its own)</extracomment>
        <translation>Le serveur whois %1 indiqué par le registre n&apos;a pas pu être interrogé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The whois server %1 could not be asked: %2.</source>
        <extracomment>%1: a whois server (host name, perhaps with a port); %2: why (a reason of its own)</extracomment>
        <translation>Le serveur whois %1 n&apos;a pas pu être interrogé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The whois server %1 that the registry refers to is limiting how often it is asked; its record is left out.</source>
        <extracomment>%1: a whois server (host name, perhaps with a port)</extracomment>
        <translation>Le serveur whois %1 indiqué par le registre limite la fréquence des interrogations&#x202f;; sa fiche n&apos;est pas affichée.</translation>
    </message>
    <message>
        <source>There is no lookup service for the extension .%1.</source>
        <extracomment>%1: the extension, without its dot (&quot;com&quot;)</extracomment>
        <translation>Il n&apos;y a pas de service de recherche pour l&apos;extension .%1.</translation>
    </message>
    <message>
        <source>There is no lookup service for %1.</source>
        <extracomment>%1: the address, network or AS number</extracomment>
        <translation>Il n&apos;y a pas de service de recherche pour %1.</translation>
    </message>
    <message>
        <source>%1 is reserved or blocked by the registry and cannot be registered.</source>
        <extracomment>%1: the domain name</extracomment>
        <translation>%1 est réservé ou bloqué par le registre et ne peut pas être enregistré.</translation>
    </message>
    <message>
        <source>.%1 is not a top-level domain of the root zone.</source>
        <extracomment>%1: what was asked, without a dot (&quot;qqq&quot;)</extracomment>
        <translation>.%1 n&apos;est pas un domaine de premier niveau de la zone racine.</translation>
    </message>
    <message>
        <source>%1; IANA&apos;s whois was asked instead.</source>
        <extracomment>%1: why IANA&apos;s RDAP service could not be used (a sentence of its own)</extracomment>
        <translation>%1&#x202f;; le whois de l&apos;IANA a été interrogé à la place.</translation>
    </message>
    <message>
        <source>Not asked: your address has asked many registries lately.</source>
        <translation>Non interrogé&#xa0;: votre adresse a interrogé beaucoup de registres ces derniers temps.</translation>
    </message>
    <message>
        <source>The registry&apos;s lookup service answered with status %1: %2.</source>
        <extracomment>%1: an HTTP status number; %2: the registry&apos;s own words, as it sent them (often English)</extracomment>
        <translation>Le service de recherche du registre a répondu avec le statut %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>status %1: %2</source>
        <extracomment>%1: an HTTP status number; %2: the server&apos;s own words, as it sent them (often English)</extracomment>
        <translation>statut %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 looks like a contact&apos;s handle. Handles are not looked up here: type the domain name, address or AS number whose record names it.</source>
        <extracomment>%1: what was typed, such as SD12478-RIPE. &quot;record&quot;: the registration record (the data), not the registry.</extracomment>
        <translation>%1 ressemble à l&apos;identifiant (handle) d&apos;un contact. Les identifiants ne sont pas recherchés ici&#xa0;: saisissez le nom de domaine, l&apos;adresse ou le numéro d&apos;AS dont la fiche le mentionne.</translation>
    </message>
    <message>
        <source>At most %1 extensions can be checked at once.</source>
        <extracomment>%1: a number (50)</extracomment>
        <translation>Au plus %1 extensions peuvent être vérifiées à la fois.</translation>
    </message>
    <message>
        <source>the server did not prove that it is %1 (%2), so nothing was asked of it</source>
        <extracomment>%1: a server&apos;s host name; %2: why (a reason of its own)</extracomment>
        <translation>le serveur n&apos;a pas prouvé qu&apos;il est %1 (%2), donc rien ne lui a été demandé</translation>
    </message>
    <message>
        <source>its certificate is for another name</source>
        <extracomment>Why a server&apos;s certificate was refused: said inside &quot;the server did not prove that it is %1 (…)&quot;</extracomment>
        <translation>son certificat est établi pour un autre nom</translation>
    </message>
    <message>
        <source>its certificate is signed by itself, not by a certificate authority</source>
        <extracomment>Why a server&apos;s certificate was refused: said inside &quot;the server did not prove that it is %1 (…)&quot;</extracomment>
        <translation>son certificat est signé par lui-même, et non par une autorité de certification</translation>
    </message>
    <message>
        <source>its certificate has expired or is not yet valid</source>
        <extracomment>Why a server&apos;s certificate was refused: said inside &quot;the server did not prove that it is %1 (…)&quot;</extracomment>
        <translation>son certificat a expiré ou n&apos;est pas encore valide</translation>
    </message>
    <message>
        <source>its certificate is from an authority that is not trusted</source>
        <extracomment>Why a server&apos;s certificate was refused: said inside &quot;the server did not prove that it is %1 (…)&quot;</extracomment>
        <translation>son certificat provient d&apos;une autorité qui n&apos;est pas reconnue comme fiable</translation>
    </message>
    <message>
        <source>%1 would be asked in plain text, after a question asked over https</source>
        <extracomment>Why a redirect was refused. %1: the address (URL) it leads to, which begins with http://</extracomment>
        <translation>%1 serait interrogé en clair, après une question posée en https</translation>
    </message>
    <message>
        <source>The registry answered, but its answer does not say whether %1 is registered.</source>
        <extracomment>Under the verdict &quot;Unknown&quot;: the registry&apos;s answer (the page shows it whole) has no wording the site knows and no field it reads. %1: the domain name.</extracomment>
        <translation>Le registre a répondu, mais sa réponse ne dit pas si %1 est enregistré.</translation>
    </message>
    <message>
        <source>%1, line %2: “%3”</source>
        <extracomment>What a verdict rests on, shown under it: the line of a whois server&apos;s answer that decided. %1: the server&apos;s host name; %2: the line&apos;s number in the answer; %3: the line itself, as the server sent it (in its language).</extracomment>
        <translation>%1, ligne %2&#xa0;: «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>%1 answered with HTTP status %2</source>
        <extracomment>What a verdict rests on: the status of the registry&apos;s RDAP answer. %1: the address (URL) asked; %2: the HTTP status, a number such as 404.</extracomment>
        <translation>%1 a répondu avec le statut HTTP %2</translation>
    </message>
    <message>
        <source>%1 answered, but no line of its answer is about %2 being registered or not</source>
        <extracomment>What the verdict &quot;Unknown&quot; rests on: an answer with no line that says. %1: the server; %2: the domain name.</extracomment>
        <translation>%1 a répondu, mais aucune ligne de sa réponse ne dit si %2 est enregistré</translation>
    </message>
    <message>
        <source>the DNS delegates %1 to name servers</source>
        <extracomment>What the verdict &quot;Registered&quot; rests on in a check of a name in many extensions: the DNS names name servers for it, which only a registered name has. %1: the domain name.</extracomment>
        <translation>le DNS délègue %1 à des serveurs de noms</translation>
    </message>
    <message>
        <source>The registry refused the question about %1, so its answer does not say whether it is registered.</source>
        <extracomment>The registry would not answer the question (an invalid query, or a name outside the extensions it serves), so nothing says whether the name is registered. %1: the domain name.</extracomment>
        <translation>Le registre a refusé la question portant sur %1, sa réponse ne dit donc pas s&apos;il est enregistré.</translation>
    </message>
    <message>
        <source>%1 lies within the domain %2.</source>
        <extracomment>%1: a host name such as www.example.com; %2: the registered domain it lies in (example.com). The verdict that follows is about %2.</extracomment>
        <translation>%1 fait partie du domaine %2.</translation>
    </message>
    <message>
        <source>The lookup service is busy. Try again in %1.</source>
        <extracomment>%1: a wait, as people say it: &quot;45 s&quot;, &quot;2 min&quot;, &quot;59 min 36 s&quot;, &quot;1 h 5 min&quot; (units h, min, s)</extracomment>
        <translation>Le service de recherche est occupé. Réessayez dans %1.</translation>
    </message>
    <message>
        <source>Your address has asked for many lookups lately. Try again in %1.</source>
        <extracomment>%1: a wait, as people say it: &quot;45 s&quot;, &quot;2 min&quot;, &quot;59 min 36 s&quot;, &quot;1 h 5 min&quot; (units h, min, s)</extracomment>
        <translation>Beaucoup de recherches ont été demandées depuis votre adresse ces derniers temps. Réessayez dans %1.</translation>
    </message>
    <message>
        <source>The registry is limiting how often it is asked. Try again in %1.</source>
        <extracomment>%1: a wait, as people say it: &quot;45 s&quot;, &quot;2 min&quot;, &quot;59 min 36 s&quot;, &quot;1 h 5 min&quot; (units h, min, s)</extracomment>
        <translation>Le registre limite la fréquence des interrogations. Réessayez dans %1.</translation>
    </message>
    <message>
        <source>The site is pacing its questions to %1 so as not to be blocked there; its record is left out. Try again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>Le site espace ses requêtes vers %1 pour ne pas y être bloqué&#x202f;; la fiche de ce serveur n&apos;est pas affichée. Réessayez dans %2.</translation>
    </message>
    <message>
        <source>The site is pacing its questions to %1 so as not to be blocked there. Try again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>Le site espace ses requêtes vers %1 pour ne pas y être bloqué. Réessayez dans %2.</translation>
    </message>
    <message>
        <source>The registry&apos;s lookup service (%1) has failed again and again; it is asked again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>Le service de recherche du registre (%1) a échoué à plusieurs reprises&#x202f;; il sera de nouveau interrogé dans %2.</translation>
    </message>
    <message>
        <source>%1 is limiting how often it is asked; its record is left out. Try again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>%1 limite la fréquence des requêtes&#x202f;; sa fiche n&apos;est pas affichée. Réessayez dans %2.</translation>
    </message>
    <message>
        <source>%1 has failed again and again; its record is left out. Try again in %2.</source>
        <extracomment>%1: a server&apos;s host name; %2: a wait, as people say it (&quot;45 s&quot;, &quot;59 min 36 s&quot;)</extracomment>
        <translation>%1 a échoué à plusieurs reprises&#x202f;; sa fiche n&apos;est pas affichée. Réessayez dans %2.</translation>
    </message>
    <message>
        <source>No record names an abuse contact for %1.</source>
        <extracomment>Who to tell of abuse: no record asked names an abuse contact. %1: the domain name, address or network.</extracomment>
        <translation>Aucun enregistrement ne nomme de contact d’abus pour %1.</translation>
    </message>
    <message>
        <source>%1 could not be looked up: %2</source>
        <extracomment>Who to tell of abuse: one of the further lookups failed. %1: a domain name, address or network; %2: why.</extracomment>
        <translation>%1 n’a pas pu être consulté&#xa0;: %2</translation>
    </message>
    <message>
        <source>Your lookups for now are spent, so the rest was not looked up. Try again in %1.</source>
        <extracomment>Who to tell of abuse: the further lookups stopped at the client&apos;s budget. %1: a duration (&quot;5 min 3 s&quot;).</extracomment>
        <translation>Vos recherches sont épuisées pour l’instant, le reste n’a donc pas été consulté. Réessayez dans %1.</translation>
    </message>
    <message>
        <source>The site has no DNS resolver, so the networks that host %1 were not looked for.</source>
        <extracomment>Who to tell of abuse: the site cannot ask the DNS for a domain&apos;s addresses. %1: the domain name.</extracomment>
        <translation>Le site n’a pas de résolveur DNS, les réseaux qui hébergent %1 n’ont donc pas été cherchés.</translation>
    </message>
    <message>
        <source>The DNS gives no address for %1 or its name servers.</source>
        <extracomment>Who to tell of abuse: the DNS gives no address for the domain or its name servers. %1: the domain name.</extracomment>
        <translation>Le DNS ne donne aucune adresse pour %1 ni pour ses serveurs de noms.</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Domain name</source>
        <translation>Nom de domaine</translation>
    </message>
    <message>
        <source>Look up</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Quelcor whois lookup</source>
        <translation>Quelcor – recherche whois</translation>
    </message>
    <message>
        <source>From the site&apos;s cache: looked up %1 s ago.</source>
        <translation>Extrait du cache du site&#xa0;: recherche effectuée il y a %1 s.</translation>
    </message>
    <message>
        <source>Record from %1</source>
        <translation>Fiche provenant de %1</translation>
    </message>
    <message>
        <source>The record was longer than 1 MiB; only its beginning is shown.</source>
        <translation>La fiche dépassait 1 Mio&#x202f;; seul son début est affiché.</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Whois lookup&lt;/h1&gt;&lt;p&gt;Type a domain name, such as &lt;b&gt;example.com&lt;/b&gt;, and press &lt;b&gt;Look up&lt;/b&gt; to see who registered it, with which registrar, and until when.&lt;/p&gt;&lt;p&gt;An IP address such as &lt;b&gt;8.8.8.8&lt;/b&gt;, a network such as &lt;b&gt;8.8.8.0/24&lt;/b&gt; or an AS number such as &lt;b&gt;AS15169&lt;/b&gt; shows who holds it.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Recherche whois&lt;/h1&gt;&lt;p&gt;Saisissez un nom de domaine, par exemple &lt;b&gt;example.com&lt;/b&gt;, puis cliquez sur &lt;b&gt;Rechercher&lt;/b&gt; pour voir qui l&apos;a enregistré, auprès de quel bureau d&apos;enregistrement et jusqu&apos;à quand.&lt;/p&gt;&lt;p&gt;Pour une adresse IP comme &lt;b&gt;8.8.8.8&lt;/b&gt;, un réseau comme &lt;b&gt;8.8.8.0/24&lt;/b&gt; ou un numéro d&apos;AS comme &lt;b&gt;AS15169&lt;/b&gt;, la recherche indique qui en est titulaire.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domaine</translation>
    </message>
    <message>
        <source>Registrar</source>
        <extracomment>The role of an abuse contact (and a field&apos;s label): the domain&apos;s registrar</extracomment>
        <translation>Bureau d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
    <message>
        <source>Registered</source>
        <translation>Date d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Expires</source>
        <translation>Date d&apos;expiration</translation>
    </message>
    <message>
        <source>Name servers</source>
        <translation>Serveurs de noms</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Numéros</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Plage</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Holder</source>
        <translation>Titulaire</translation>
    </message>
    <message>
        <source>Abuse contact</source>
        <translation>Contact en cas d&apos;abus</translation>
    </message>
    <message>
        <source>Last changed</source>
        <translation>Dernière modification</translation>
    </message>
    <message>
        <source>Download Quelcor</source>
        <translation>Télécharger Quelcor</translation>
    </message>
    <message>
        <source>&lt;p&gt;The current version of Quelcor is &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Quelcor looks up the registration records of domain names. Install it over the older version: your language choice is kept.&lt;/p&gt;</source>
        <translation>&lt;p&gt;La version actuelle de Quelcor est la &lt;b&gt;%1&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Quelcor recherche les fiches d&apos;enregistrement des noms de domaine. Installez la nouvelle version par-dessus l&apos;ancienne&#xa0;: votre choix de langue est conservé.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Quelcor forum</source>
        <translation>Forum Quelcor</translation>
    </message>
    <message>
        <source>&lt;p&gt;Users of Quelcor help one another here: questions about lookups, language drivers and updates.&lt;/p&gt;&lt;p&gt;Before asking, try the &lt;a href=&quot;%1&quot;&gt;lookup page&lt;/a&gt; in a desktop browser.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Ici, les utilisateurs de Quelcor s&apos;entraident&#xa0;: questions sur les recherches, les pilotes de langue et les mises à jour.&lt;/p&gt;&lt;p&gt;Avant de poser une question, essayez la &lt;a href=&quot;%1&quot;&gt;page de recherche&lt;/a&gt; dans un navigateur de bureau.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Report a bug</source>
        <translation>Signaler un bogue</translation>
    </message>
    <message>
        <source>&lt;p&gt;Tell us what you did, what you expected and what happened instead, and give the version that the about window shows.&lt;/p&gt;&lt;p&gt;Write to the address shown in the about window.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Décrivez ce que vous avez fait, ce que vous attendiez et ce qui s&apos;est passé à la place, et indiquez la version affichée dans la fenêtre «&#x202f;À propos de Quelcor&#x202f;».&lt;/p&gt;&lt;p&gt;Écrivez à l&apos;adresse indiquée dans la fenêtre «&#x202f;À propos de Quelcor&#x202f;».&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Quelcor is a small desktop program for looking up the registration records (whois records) of internet domain names.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;a href=&quot;%1&quot;&gt;Download&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%2&quot;&gt;Look a domain up&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%3&quot;&gt;Forum&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%4&quot;&gt;Report a bug&lt;/a&gt;&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;p&gt;Quelcor est un petit programme de bureau qui recherche les fiches d&apos;enregistrement (fiches whois) des noms de domaine d&apos;Internet.&lt;/p&gt;&lt;ul&gt;&lt;li&gt;&lt;a href=&quot;%1&quot;&gt;Télécharger&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%2&quot;&gt;Rechercher un domaine&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%3&quot;&gt;Forum&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%4&quot;&gt;Signaler un bogue&lt;/a&gt;&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;ul&gt;&lt;li&gt;&lt;a href=&quot;%1&quot;&gt;Quelcor&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%2&quot;&gt;Look a domain up&lt;/a&gt;&lt;/li&gt;&lt;/ul&gt;</source>
        <translation>&lt;ul&gt;&lt;li&gt;&lt;a href=&quot;%1&quot;&gt;Quelcor&lt;/a&gt;&lt;/li&gt;&lt;li&gt;&lt;a href=&quot;%2&quot;&gt;Rechercher un domaine&lt;/a&gt;&lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Page not found</source>
        <translation>Page introuvable</translation>
    </message>
    <message>
        <source>&lt;p&gt;There is no such page here. Try the &lt;a href=&quot;%1&quot;&gt;product page&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Cette page n&apos;existe pas ici. Essayez la &lt;a href=&quot;%1&quot;&gt;page du produit&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>How a date is written, in Qt&apos;s date format: d the day, MMMM the month&apos;s name, yyyy the year; text in quotes stays as it is (Spanish: d &apos;de&apos; MMMM &apos;de&apos; yyyy)</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>A button that copies the text beside it to the clipboard</extracomment>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copied</source>
        <extracomment>The copy button once it has copied</extracomment>
        <translation>Copié</translation>
    </message>
    <message>
        <source>Download</source>
        <extracomment>A link that saves a record as a file</extracomment>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>expires today</source>
        <extracomment>Of a domain name&apos;s registration</extracomment>
        <translation>expire aujourd&apos;hui</translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <extracomment>How long a registration has left (&quot;expires 3 May 2027, in 146 days&quot;), or how long ago it ran out</extracomment>
        <translation>
            <numerusform>dans %n jour</numerusform>
            <numerusform>dans %n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>expired %n day(s) ago</source>
        <translation>
            <numerusform>expiré il y a %n jour</numerusform>
            <numerusform>expiré il y a %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>DNSSEC</source>
        <translation>DNSSEC</translation>
    </message>
    <message>
        <source>signed</source>
        <translation>signé</translation>
    </message>
    <message>
        <source>not signed</source>
        <translation>non signé</translation>
    </message>
    <message>
        <source>Registrar&apos;s IANA id</source>
        <translation>Identifiant IANA du bureau d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Registrar&apos;s web site</source>
        <translation>Site web du bureau d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Top-level domain</source>
        <translation>Domaine de premier niveau</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>Gestionnaire</translation>
    </message>
    <message>
        <source>Whois server</source>
        <translation>Serveur whois</translation>
    </message>
    <message>
        <source>RDAP service</source>
        <translation>Service RDAP</translation>
    </message>
    <message>
        <source>held by %1</source>
        <extracomment>%1: who holds a domain name, an address range or AS numbers</extracomment>
        <translation>titulaire&#xa0;: %1</translation>
    </message>
    <message>
        <source>registrar %1</source>
        <extracomment>%1: the registrar&apos;s name</extracomment>
        <translation>bureau d&apos;enregistrement&#xa0;: %1</translation>
    </message>
    <message>
        <source>expires %1, %2</source>
        <extracomment>%1: a date; %2: how long is left (&quot;in 146 days&quot;)</extracomment>
        <translation>expire le %1, %2</translation>
    </message>
    <message>
        <source>in its redemption period: only the holder can still renew it</source>
        <translation>en période de rédemption&#xa0;: seul le titulaire peut encore le renouveler</translation>
    </message>
    <message>
        <source>about to be deleted by the registry</source>
        <translation>sur le point d&apos;être supprimé par le registre</translation>
    </message>
    <message>
        <source>expired</source>
        <translation>expiré</translation>
    </message>
    <message>
        <source>since %1</source>
        <extracomment>%1: a date</extracomment>
        <translation>depuis le %1</translation>
    </message>
    <message>
        <source>managed by %1</source>
        <extracomment>%1: the organisation that runs a top-level domain</extracomment>
        <translation>géré par %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;A top-level domain such as &lt;b&gt;de&lt;/b&gt; shows who runs it and where its registry answers.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Un domaine de premier niveau comme &lt;b&gt;de&lt;/b&gt; montre qui le gère et où son registre répond.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Each row comes as its registry answers. Type &lt;b&gt;name.*&lt;/b&gt; for the usual extensions, or name them: &lt;b&gt;name.{de,fr,it}&lt;/b&gt;. A name with name servers in the DNS is registered; the others are asked of their registries.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Chaque ligne s&apos;affiche dès que son registre répond. Saisissez &lt;b&gt;nom.*&lt;/b&gt; pour les extensions courantes, ou nommez-les&#xa0;: &lt;b&gt;nom.{de,fr,it}&lt;/b&gt;. Un nom qui a des serveurs de noms dans le DNS est enregistré&#x202f;; les autres sont vérifiés auprès de leur registre.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Extension</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>it has name servers</source>
        <extracomment>Of a name found registered from its name servers in the DNS, without asking its registry</extracomment>
        <translation>il a des serveurs de noms</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;quelcor.*&lt;/b&gt; shows in which of the usual extensions a name is still free, &lt;b&gt;quelcor.{de,fr,it}&lt;/b&gt; in those named.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;quelcor.*&lt;/b&gt; montre dans lesquelles des extensions courantes un nom est encore libre, &lt;b&gt;quelcor.{de,fr,it}&lt;/b&gt; dans celles nommées.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Check %1 in the usual extensions</source>
        <extracomment>%1: a name without extension (&quot;quelcor&quot;)</extracomment>
        <translation>Vérifier %1 dans les extensions courantes</translation>
    </message>
    <message>
        <source>withheld</source>
        <extracomment>The value of a field that the registry or registrar withholds (RFC 9537 redaction)</extracomment>
        <translation>non publié</translation>
    </message>
    <message>
        <source>withheld: %1</source>
        <extracomment>The value of a field that the registry or registrar withholds; %1: the reason it gives, in its own words</extracomment>
        <translation>non publié&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 (not a date)</source>
        <extracomment>%1: what a record wrote where a date belongs, which is none (&quot;294247-01-10T04:00:54Z&quot;)</extracomment>
        <translation>%1 (pas une date)</translation>
    </message>
    <message>
        <source>Withheld</source>
        <extracomment>What the record says it withholds, as it names it (&quot;Registrant Name (Server policy)&quot;)</extracomment>
        <translation>Non publié</translation>
    </message>
    <message>
        <source>Host name</source>
        <extracomment>The host name that was asked, which lies below the registered domain</extracomment>
        <translation>Nom d&apos;hôte</translation>
    </message>
    <message>
        <source>Host addresses</source>
        <translation>Adresses de l&apos;hôte</translation>
    </message>
    <message>
        <source>Host status</source>
        <translation>Statut de l&apos;hôte</translation>
    </message>
    <message>
        <source>holder withheld</source>
        <extracomment>Of a domain name whose holder the registrar does not show (RFC 9537 redaction)</extracomment>
        <translation>titulaire non publié</translation>
    </message>
    <message>
        <source>Watch: its history, a calendar of its dates, a feed of its changes</source>
        <translation>Suivre&#xa0;: son historique, un calendrier de ses dates, un flux de ses modifications</translation>
    </message>
    <message>
        <source>%1 is not a domain name that can be watched.</source>
        <extracomment>A name asked to be watched that is not one; %1 is what was given.</extracomment>
        <translation>%1 n&apos;est pas un nom de domaine qui puisse être suivi.</translation>
    </message>
    <message>
        <source>Name the domain names to watch, such as names=example.com,example.org.</source>
        <extracomment>&quot;names=&quot; is the parameter of the address and stays as it is.</extracomment>
        <translation>Indiquez les noms de domaine à suivre, par exemple names=example.com,example.org.</translation>
    </message>
    <message>
        <source>At most %1 names can be watched together.</source>
        <translation>Vous pouvez suivre au plus %1 noms à la fois.</translation>
    </message>
    <message>
        <source>What this site saw of %1, newest first: each time something changed.</source>
        <translation>Ce que ce site a vu de %1, du plus récent au plus ancien&#xa0;: chaque changement constaté.</translation>
    </message>
    <message>
        <source>Nothing yet: the site looks the name up now, and again as its dates near. Come back later.</source>
        <translation>Rien pour l&apos;instant&#xa0;: le site recherche le nom maintenant, puis de nouveau à l&apos;approche de ses dates. Revenez plus tard.</translation>
    </message>
    <message>
        <source>Seen</source>
        <extracomment>The heading of a column of dates and times (UTC) at which the site saw a change.</extracomment>
        <translation>Vu le</translation>
    </message>
    <message>
        <source>What changed</source>
        <translation>Ce qui a changé</translation>
    </message>
    <message>
        <source>Watch</source>
        <extracomment>A heading, above the addresses of the name&apos;s calendar and feed.</extracomment>
        <translation>Suivi</translation>
    </message>
    <message>
        <source>Calendar of its dates (iCalendar)</source>
        <translation>Calendrier de ses dates (iCalendar)</translation>
    </message>
    <message>
        <source>Feed of its changes (Atom)</source>
        <translation>Flux de ses modifications (Atom)</translation>
    </message>
    <message>
        <source>History as JSON</source>
        <translation>Historique au format JSON</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>Historique de %1</translation>
    </message>
    <message>
        <source>registered</source>
        <translation>enregistré</translation>
    </message>
    <message>
        <source>expired, in its grace period</source>
        <translation>expiré, en période de grâce</translation>
    </message>
    <message>
        <source>in its redemption period</source>
        <translation>en période de rédemption</translation>
    </message>
    <message>
        <source>available</source>
        <translation>disponible</translation>
    </message>
    <message>
        <source>reserved by its registry</source>
        <translation>réservé par son registre</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <extracomment>What the site saw of a watched name first. %1: the domain name; %2: its phase, one of &quot;registered&quot;, &quot;expired, in its grace period&quot;, &quot;in its redemption period&quot;, &quot;about to be deleted&quot;, &quot;available&quot;, &quot;reserved by its registry&quot;.</extracomment>
        <translation>%1 est %2</translation>
    </message>
    <message>
        <source>%1 is now %2</source>
        <extracomment>A watched name&apos;s phase changed. %1: the domain name; %2: its phase, one of &quot;registered&quot;, &quot;expired, in its grace period&quot;, &quot;in its redemption period&quot;, &quot;about to be deleted&quot;, &quot;available&quot;, &quot;reserved by its registry&quot;.</extracomment>
        <translation>%1 est désormais %2</translation>
    </message>
    <message>
        <source>%1 expires</source>
        <extracomment>Titles of a calendar&apos;s events, on the day they name. %1: the domain name.</extracomment>
        <translation>%1 expire</translation>
    </message>
    <message>
        <source>%1: its grace period ends</source>
        <translation>%1&#xa0;: fin de la période de grâce</translation>
    </message>
    <message>
        <source>%1: its redemption period ends</source>
        <translation>%1&#xa0;: fin de la période de rédemption</translation>
    </message>
    <message>
        <source>estimate</source>
        <extracomment>In parentheses after a calendar event&apos;s title whose date is an estimate.</extracomment>
        <translation>estimation</translation>
    </message>
    <message>
        <source>being asked</source>
        <translation>en cours de demande</translation>
    </message>
    <message>
        <source>This address has asked for many calendars, feeds and histories lately. Try again in %1 seconds.</source>
        <extracomment>%1: a number of seconds.</extracomment>
        <translation>Beaucoup de calendriers, de flux et d&apos;historiques ont été demandés depuis cette adresse ces derniers temps. Réessayez dans %1&#xa0;s.</translation>
    </message>
    <message>
        <source>The site watches as many names as it can. Try again in an hour.</source>
        <extracomment>The answer to a calendar, feed or history of a name new to the site when it watches as many names as it may (the operator&apos;s bound); sent with Retry-After: 3600.</extracomment>
        <translation>Le site suit déjà autant de noms qu&apos;il le peut. Réessayez dans une heure.</translation>
    </message>
    <message>
        <source>This address has brought %1 names to watch, as many as one may. A name nobody asks for is let go after %2 days.</source>
        <extracomment>%1: the most names one address may bring; %2: the days a name stays watched after it was last asked for.</extracomment>
        <translation>Depuis cette adresse, %1 noms sont déjà suivis, soit le maximum autorisé. Un nom que personne ne consulte cesse d&apos;être suivi au bout de %2&#xa0;jours.</translation>
    </message>
    <message>
        <source>A name new to the site is looked up first, and that counts as a lookup of yours: this address has asked for many lately. Try again in %1 seconds; the names looked up so far stay watched.</source>
        <extracomment>%1: a number of seconds.</extracomment>
        <translation>Un nom que le site ne connaît pas encore est d&apos;abord recherché, et cela compte comme une de vos recherches&#xa0;: beaucoup de recherches ont été demandées depuis cette adresse ces derniers temps. Réessayez dans %1&#xa0;s&#x202f;; les noms déjà recherchés restent suivis.</translation>
    </message>
    <message>
        <source>alarms takes up to five numbers of days before a date, each from 0 to 366 (such as alarms=30,7).</source>
        <extracomment>&quot;alarms&quot; is the parameter of the address and stays as it is.</extracomment>
        <translation>alarms accepte jusqu&apos;à cinq nombres de jours avant une date, chacun de 0 à 366 (par exemple alarms=30,7).</translation>
    </message>
    <message>
        <source>%1, %2 UTC</source>
        <extracomment>When the site saw a change. %1: a date in words; %2: the time of day (UTC).</extracomment>
        <translation>%1 à %2 UTC</translation>
    </message>
    <message>
        <source>Subscribe without an account: give the calendar&apos;s address to a calendar program, and the feed&apos;s to a feed reader.</source>
        <translation>Abonnez-vous sans compte&#xa0;: donnez l&apos;adresse du calendrier à un logiciel d&apos;agenda, et celle du flux à un lecteur de flux.</translation>
    </message>
    <message>
        <source>(none)</source>
        <extracomment>A field&apos;s value in a watched name&apos;s history when the record gave none: a registrar, name servers, statuses or an expiry date.</extracomment>
        <translation>(aucune valeur)</translation>
    </message>
    <message>
        <source>about to be deleted</source>
        <extracomment>A watched name&apos;s phase, after &quot;%1 is now&quot; or &quot;%1 is&quot;: the registry deletes it within days (the lookup page&apos;s status &quot;about to be deleted&quot; in the Status context says the same).</extracomment>
        <translation>sur le point d&apos;être supprimé</translation>
    </message>
    <message>
        <source>%1 is registered and expires on %2</source>
        <extracomment>What the site saw of a watched name first. %1: the domain name; %2: its expiry date in words.</extracomment>
        <translation>%1 est enregistré et expire le %2</translation>
    </message>
    <message>
        <source>%1: the registrar was %2 and is now %3</source>
        <extracomment>A watched name&apos;s record changed. %1: the domain name; %2 and %3: the values before and after, or &quot;(none)&quot;.</extracomment>
        <translation>%1&#xa0;: le bureau d&apos;enregistrement était %2 et est désormais %3</translation>
    </message>
    <message>
        <source>%1: the name servers were %2 and are now %3</source>
        <extracomment>As above; %2 and %3: lists of name servers, or &quot;(none)&quot;.</extracomment>
        <translation>%1&#xa0;: les serveurs de noms étaient %2 et sont désormais %3</translation>
    </message>
    <message>
        <source>%1: the statuses were %2 and are now %3</source>
        <extracomment>As above; %2 and %3: lists of statuses in words, or &quot;(none)&quot;.</extracomment>
        <translation>%1&#xa0;: les statuts étaient %2 et sont désormais %3</translation>
    </message>
    <message>
        <source>%1: the expiry date was %2 and is now %3</source>
        <extracomment>As above; %2 and %3: dates in words, or &quot;(none)&quot;.</extracomment>
        <translation>%1&#xa0;: la date d&apos;expiration était %2 et est désormais %3</translation>
    </message>
    <message>
        <source>%1 may become available</source>
        <extracomment>A calendar event&apos;s title on the estimated day a leaving name may be registered again. %1: the name.</extracomment>
        <translation>%1 pourrait devenir disponible</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Two changes of a watched name seen at once, one after the other.</extracomment>
        <translation>%1&#x202f;; %2</translation>
    </message>
    <message>
        <source>Evidence: %1</source>
        <extracomment>One line under a lookup&apos;s verdict: what it rests on (the server asked and the line of its answer that decided, or the status of its answer). %1: that, in a sentence.</extracomment>
        <translation>Preuve&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n extension(s)</source>
        <extracomment>%1: a name without extension, checked in %n extensions</extracomment>
        <translation>
            <numerusform>%1 dans %n extension</numerusform>
            <numerusform>%1 dans %n extensions</numerusform>
        </translation>
    </message>
    <message>
        <source>Evidence (ZIP)</source>
        <extracomment>A link beside Download that saves every answer the site received for the lookup, as received, in a ZIP file</extracomment>
        <translation>Preuves (ZIP)</translation>
    </message>
    <message>
        <source>Report abuse</source>
        <extracomment>The heading of the section that says whom to tell of abuse by a name, an address or a network</extracomment>
        <translation>Signaler un abus</translation>
    </message>
    <message>
        <source>Write to them in this order. Each says where the record names it, to check it.</source>
        <extracomment>Under &quot;Report abuse&quot;: the contacts below are in the order to write to them, each with the record and field it was read from</extracomment>
        <translation>Écrivez-leur dans cet ordre. Chacun indique où l’enregistrement le nomme, pour le vérifier.</translation>
    </message>
    <message>
        <source>Hosting network</source>
        <extracomment>The role of an abuse contact: the network of an address that the domain name points to</extracomment>
        <translation>Réseau d’hébergement</translation>
    </message>
    <message>
        <source>DNS network</source>
        <extracomment>The role of an abuse contact: the network of an address of one of the domain&apos;s name servers</extracomment>
        <translation>Réseau DNS</translation>
    </message>
    <message>
        <source>Network</source>
        <extracomment>The role of an abuse contact: the IP network or AS number asked about, or one that contains it</extracomment>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Registry</source>
        <extracomment>The role of an abuse contact: the registry that runs the domain&apos;s top-level domain</extracomment>
        <translation>Registre</translation>
    </message>
    <message>
        <source>From %1: %2</source>
        <extracomment>Where an abuse contact was read. %1: a server or address (URL), %2: the field</extracomment>
        <translation>De %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>From %1, line %2: %3</source>
        <extracomment>Where an abuse contact was read in a whois answer. %1: a server, %2: a line&apos;s number, %3: the key</extracomment>
        <translation>De %1, ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>For %1 (%2)</source>
        <extracomment>The name and address whose network an abuse contact is. %1: a domain name or name server, %2: its address</extracomment>
        <translation>Pour %1 (%2)</translation>
    </message>
    <message>
        <source>%1 names no abuse contact of its own; this is the contact of a network that contains it.</source>
        <extracomment>%1: a network (its range) whose own record names no abuse contact</extracomment>
        <translation>%1 ne nomme aucun contact d’abus propre&#xa0;; voici le contact d’un réseau qui le contient.</translation>
    </message>
    <message>
        <source>Find more contacts: the registry&apos;s, the networks that contain or host it (takes more lookups)</source>
        <extracomment>A link under &quot;Report abuse&quot; that looks further: the registry&apos;s contact, the networks that contain an address, the networks that host a domain (each lookup counts against the visitor&apos;s lookups)</extracomment>
        <translation>Trouver d’autres contacts&#xa0;: celui du registre, ceux des réseaux qui le contiennent ou l’hébergent (demande d’autres recherches)</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>active</source>
        <translation>actif</translation>
    </message>
    <message>
        <source>inactive (no name servers)</source>
        <translation>inactif (aucun serveur de noms)</translation>
    </message>
    <message>
        <source>validated</source>
        <translation>validé</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>verrouillé</translation>
    </message>
    <message>
        <source>registered through a proxy</source>
        <translation>enregistré via un proxy</translation>
    </message>
    <message>
        <source>private</source>
        <translation>privé</translation>
    </message>
    <message>
        <source>some data removed</source>
        <extracomment>Some of the record&apos;s data was left out (not the domain name deleted)</extracomment>
        <translation>certaines données supprimées</translation>
    </message>
    <message>
        <source>some data altered</source>
        <extracomment>Some of the record&apos;s data was altered or masked (not the domain name blocked)</extracomment>
        <translation>certaines données modifiées</translation>
    </message>
    <message>
        <source>associated with another object</source>
        <translation>associé à un autre objet</translation>
    </message>
    <message>
        <source>renewal locked</source>
        <translation>renouvellement bloqué</translation>
    </message>
    <message>
        <source>changes locked</source>
        <translation>modifications bloquées</translation>
    </message>
    <message>
        <source>transfer locked</source>
        <translation>transfert bloqué</translation>
    </message>
    <message>
        <source>deletion locked</source>
        <translation>suppression bloquée</translation>
    </message>
    <message>
        <source>deletion locked by the registrar</source>
        <translation>suppression bloquée par le bureau d&apos;enregistrement</translation>
    </message>
    <message>
        <source>renewal locked by the registrar</source>
        <translation>renouvellement bloqué par le bureau d&apos;enregistrement</translation>
    </message>
    <message>
        <source>transfer locked by the registrar</source>
        <translation>transfert bloqué par le bureau d&apos;enregistrement</translation>
    </message>
    <message>
        <source>changes locked by the registrar</source>
        <translation>modifications bloquées par le bureau d&apos;enregistrement</translation>
    </message>
    <message>
        <source>kept out of the DNS by the registrar</source>
        <translation>exclu du DNS par le bureau d&apos;enregistrement</translation>
    </message>
    <message>
        <source>deletion locked by the registry</source>
        <translation>suppression bloquée par le registre</translation>
    </message>
    <message>
        <source>renewal locked by the registry</source>
        <translation>renouvellement bloqué par le registre</translation>
    </message>
    <message>
        <source>transfer locked by the registry</source>
        <translation>transfert bloqué par le registre</translation>
    </message>
    <message>
        <source>changes locked by the registry</source>
        <translation>modifications bloquées par le registre</translation>
    </message>
    <message>
        <source>kept out of the DNS by the registry</source>
        <translation>exclu du DNS par le registre</translation>
    </message>
    <message>
        <source>being created</source>
        <translation>en cours de création</translation>
    </message>
    <message>
        <source>being renewed</source>
        <translation>en cours de renouvellement</translation>
    </message>
    <message>
        <source>being transferred</source>
        <translation>en cours de transfert</translation>
    </message>
    <message>
        <source>being changed</source>
        <translation>en cours de modification</translation>
    </message>
    <message>
        <source>about to be deleted</source>
        <translation>sur le point d&apos;être supprimé</translation>
    </message>
    <message>
        <source>being restored</source>
        <translation>en cours de restauration</translation>
    </message>
    <message>
        <source>newly registered (grace period)</source>
        <translation>nouvellement enregistré (période de grâce)</translation>
    </message>
    <message>
        <source>renewed automatically (grace period)</source>
        <translation>renouvelé automatiquement (période de grâce)</translation>
    </message>
    <message>
        <source>recently renewed (grace period)</source>
        <translation>récemment renouvelé (période de grâce)</translation>
    </message>
    <message>
        <source>recently transferred (grace period)</source>
        <translation>récemment transféré (période de grâce)</translation>
    </message>
    <message>
        <source>expired but still redeemable (redemption period)</source>
        <translation>expiré mais encore récupérable (période de rédemption)</translation>
    </message>
    <message>
        <source>reserved by the registry</source>
        <translation>réservé par le registre</translation>
    </message>
    <message>
        <source>registered</source>
        <translation>enregistré</translation>
    </message>
    <message>
        <source>granted to the holder</source>
        <translation>attribué au titulaire</translation>
    </message>
    <message>
        <source>in the DNS</source>
        <translation>dans le DNS</translation>
    </message>
    <message>
        <source>holder verified</source>
        <translation>titulaire vérifié</translation>
    </message>
    <message>
        <source>assigned</source>
        <translation>assigné</translation>
    </message>
    <message>
        <source>assigned, provider-independent</source>
        <translation>assigné, indépendant du fournisseur</translation>
    </message>
    <message>
        <source>allocated</source>
        <translation>alloué</translation>
    </message>
    <message>
        <source>legacy (held since before the regional registries)</source>
        <translation>historique (attribué avant les registres régionaux)</translation>
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
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>Reserved or blocked</source>
        <translation>Réservé ou bloqué</translation>
    </message>
    <message>
        <source>Registry busy</source>
        <translation>Registre occupé</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Aucune réponse</translation>
    </message>
    <message>
        <source>Allocated</source>
        <extracomment>The verdict on an address range or AS numbers that a registry has given out</extracomment>
        <translation>Alloué</translation>
    </message>
    <message>
        <source>No record</source>
        <translation>Aucune fiche</translation>
    </message>
    <message>
        <source>Top-level domain</source>
        <translation>Domaine de premier niveau</translation>
    </message>
    <message>
        <source>Not looked up</source>
        <extracomment>The verdict on a special-purpose address or number, which no registry holds</extracomment>
        <translation>Recherche non effectuée</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The answer for an extension whose registry could not be asked or did not answer
----------
The verdict when the registry answered but its answer says neither that the name is registered nor that it is free</extracomment>
        <translation>Inconnu</translation>
    </message>
</context>
<context>
    <name>Word</name>
    <message>
        <source>address</source>
        <translation>adresse</translation>
    </message>
    <message>
        <source>network</source>
        <translation>réseau</translation>
    </message>
    <message>
        <source>AS number</source>
        <translation>numéro d&apos;AS</translation>
    </message>
    <message>
        <source>domain name</source>
        <translation>nom de domaine</translation>
    </message>
    <message>
        <source>&quot;this network&quot;</source>
        <translation>«&#x202f;ce réseau&#x202f;»</translation>
    </message>
    <message>
        <source>private</source>
        <translation>privé</translation>
    </message>
    <message>
        <source>shared</source>
        <translation>partagé</translation>
    </message>
    <message>
        <source>loopback</source>
        <translation>bouclage</translation>
    </message>
    <message>
        <source>link-local</source>
        <translation>lien local</translation>
    </message>
    <message>
        <source>protocol assignment</source>
        <translation>attribution de protocole</translation>
    </message>
    <message>
        <source>documentation</source>
        <translation>documentation</translation>
    </message>
    <message>
        <source>6to4 relay anycast</source>
        <translation>anycast de relais 6to4</translation>
    </message>
    <message>
        <source>benchmarking</source>
        <translation>tests de performance</translation>
    </message>
    <message>
        <source>multicast</source>
        <translation>multidiffusion</translation>
    </message>
    <message>
        <source>reserved</source>
        <translation>réservé</translation>
    </message>
    <message>
        <source>broadcast</source>
        <translation>diffusion</translation>
    </message>
    <message>
        <source>unspecified</source>
        <translation>non spécifié</translation>
    </message>
    <message>
        <source>deprecated IPv4-compatible</source>
        <translation>compatible IPv4, obsolète</translation>
    </message>
    <message>
        <source>NAT64</source>
        <translation>NAT64</translation>
    </message>
    <message>
        <source>local-use NAT64</source>
        <translation>NAT64 à usage local</translation>
    </message>
    <message>
        <source>discard-only</source>
        <translation>rejet uniquement</translation>
    </message>
    <message>
        <source>unique local</source>
        <translation>local unique</translation>
    </message>
    <message>
        <source>deprecated site-local</source>
        <translation>site local, obsolète</translation>
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
        <translation>réservé (AS_TRANS)</translation>
    </message>
    <message>
        <source>top-level domain</source>
        <translation>domaine de premier niveau</translation>
    </message>
</context>
</TS>
