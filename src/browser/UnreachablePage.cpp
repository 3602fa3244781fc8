#include "UnreachablePage.h"

#include <QStringList>
#include <QUrl>

namespace {

struct Words
{
    const char *tag;
    const char *heading;
    const char *text;
    const char *retry;
};

const Words kWords[] = {
    { "en", "The lookup page could not be reached",
      "Check that this computer is connected to the internet, then press the button below to try once more.",
      "Try again" },
    { "it", "Impossibile raggiungere la pagina di ricerca",
      "Verifichi che il computer sia connesso a Internet, poi prema il pulsante qui sotto per riprovare.", "Riprova" },
    { "de", "Die Abfrageseite ist nicht erreichbar",
      "Prüfen Sie, ob dieser Computer mit dem Internet verbunden ist, und drücken Sie dann die Schaltfläche unten, "
      "um es erneut zu versuchen.",
      "Erneut versuchen" },
    { "es", "No se ha podido acceder a la página de consulta",
      "Compruebe que su ordenador está conectado a Internet y pulse el botón de abajo para intentarlo de nuevo.",
      "Reintentar" },
    { "fr", "La page de recherche est injoignable",
      "Vérifiez que cet ordinateur est connecté à Internet, puis appuyez sur le bouton ci-dessous pour réessayer.",
      "Réessayer" },
    { "nl", "De opzoekpagina is niet bereikbaar",
      "Controleer of deze computer met internet is verbonden en druk dan op de knop hieronder om het opnieuw te "
      "proberen.",
      "Opnieuw proberen" },
    { "pt", "Não foi possível aceder à página de pesquisa",
      "Verifique se este computador está ligado à Internet e prima o botão abaixo para tentar outra vez.",
      "Tentar novamente" },
};

} // namespace

QString unreachablePage(const QString &languages, const QUrl &page)
{
    const QString first = languages.split(u',').first().trimmed().section(u'-', 0, 0).toLower();
    const Words *words = &kWords[0];
    for (const Words &candidate : kWords) {
        if (first == QLatin1String(candidate.tag))
            words = &candidate;
    }
    return QStringLiteral("<!DOCTYPE html><html lang=\"%1\"><head><meta charset=\"utf-8\"><title>%2</title>"
                          "<style>body{font:15px sans-serif;margin:32px;color:#1a1a1a;background:#ffffff}"
                          "h1{font-size:20px;margin:0 0 12px}a{display:inline-block;padding:6px 18px;color:#ffffff;"
                          "background:#1f5fbf;border-radius:4px;text-decoration:none}</style></head>"
                          "<body><main><h1>%2</h1><p>%3</p><p><a href=\"%4\">%5</a></p></main></body></html>")
        .arg(QLatin1String(words->tag), QString::fromUtf8(words->heading), QString::fromUtf8(words->text),
             page.toString(QUrl::FullyEncoded).toHtmlEscaped(), QString::fromUtf8(words->retry));
}
