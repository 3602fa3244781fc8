#pragma once

#include "messages/Message.h"

#include <QString>

// A domain name as typed into the lookup form, checked before it goes anywhere near a socket.
struct DomainName
{
    QString ace; // the name in A-labels, lower case, without a final dot; empty when refused
    Message error; // why the name was refused; none when accepted

    bool ok() const { return error.isNull(); }

    // Letters, digits, hyphens and dots; internationalised names are converted to A-labels.
    // At most 253 characters and 63 a label, no empty label, no label that starts or ends with a hyphen.
    static DomainName fromInput(const QString &input);
    // A name in A-labels as people read it, in Unicode, whatever its extension; the name itself when it has no
    // Unicode form.
    static QString unicode(const QString &ace);
};
