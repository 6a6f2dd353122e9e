#pragma once

#include <string>

// The marker rewriting done the slow, obvious way: each step on a working copy, replacing in place, one after the
// other. The real one does it in a single pass; this is what it must agree with.
inline std::string ReferenceExpand(std::string w) {
    for (char& c : w) {
        if (c == '`')
            c = '"';
    }

    bool open = true;
    for (std::size_t p = 0; (p = w.find('~', p)) != std::string::npos; p += 2) {
        w.replace(p, 1, open ? "\xA1\xB0" : "\xA1\xB1");
        open = !open;
    }

    std::size_t p = 0;
    int k = 1;
    for (;;) {
        std::size_t q = w.find('%', p);
        if (q == std::string::npos || q + 1 == w.size())
            break;
        char letter = w[q + 1];
        std::string r;
        if (letter == 'n') {
            r = "\x0D\x0A";
        } else if (letter == 'N') {
            r = "\x0D\x0A\x0D\x0A";
        } else if (letter == 's' || letter == 'd' || letter == 'f' || letter == 't' || letter == 'T') {
            if (k == 1 && letter == 't')
                r = "\"(\xBF\xD5)\"";
            else if (k == 1 && letter == 'T')
                r = "\xA1\xB0(\xBF\xD5)\xA1\xB1";
            else if (k == 1)
                r = "(\xBF\xD5)";
            else
                r = w.substr(q, 2);
            ++k;
        } else {
            p = q + 1;
            continue;
        }
        w.replace(q, 2, r);
        p = q + r.size();
    }
    return w;
}
