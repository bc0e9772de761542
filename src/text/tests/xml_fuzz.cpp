// Fuzz target: any bytes as an XML document, read, walked, written and read again.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "text/xml.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    lyrasta::TXMLParser p;
    p.OnError = [](int, const std::string&) {};
    p.LoadFromText(text);
    if (const lyrasta::TXMLelement* root = p.Root()) {
        for (const lyrasta::TXMLelement* c = root->FirstChild(); c; c = c->NextSibling()) {
            c->AttributeValue("Name");
            c->Text();
        }
        // Documents of limited depth are written and read back.
        int depth = 0;
        for (const lyrasta::TXMLelement* e = root; e && depth < 500; e = e->FirstChild()) ++depth;
        if (depth < 500) {
            lyrasta::TXMLParser q;
            q.LoadFromText(p.SaveToText());
        }
    }
    return 0;
}
