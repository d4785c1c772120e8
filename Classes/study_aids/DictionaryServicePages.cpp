#include "Classes/study_aids/DictionaryServicePages.h"

#include <algorithm>

#include "Ostrand_Library/Classes/Regex.h"
#include "platform/foundation/HTMLEscaping.h"

using ostrand::Regex;

namespace {

const char* kPageHead = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>";

std::string pageStart(std::string_view word) {
    return std::string(kPageHead) + fnd::escapeHTML(word) + "</title></head><body>";
}

std::string partOfSpeech(const std::string& code) {
    if (code == "n") return "noun";
    if (code == "v") return "verb";
    if (code == "adj") return "adjective";
    if (code == "adv") return "adverb";
    return code;
}

std::string trimmed(std::string_view text) {
    std::size_t begin = text.find_first_not_of(" \t\r\n");
    if (begin == std::string_view::npos) return {};
    std::size_t end = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(begin, end - begin + 1));
}

std::vector<std::string> lines(std::string_view text) {
    std::vector<std::string> out;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        out.emplace_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return out;
}

// "{a}, {b}" as the names a and b.
std::vector<std::string> braced(const std::string& text) {
    std::vector<std::string> names;
    for (const Regex::Groups& g : Regex::allMatchGroups(text, "\\{([^}]*)\\}"))
        names.push_back(trimmed(g[1]));
    return names;
}

// Splits the gloss, its quoted examples and the synonyms of one sense's text.
DictionaryServicePages::Sense sense(std::string partOfSpeechName, std::string text) {
    DictionaryServicePages::Sense s;
    s.partOfSpeech = std::move(partOfSpeechName);
    Regex::Groups syn = Regex::firstMatchGroups(text, "\\[syn:\\s*((?:[^\\]])*)\\]");
    if (!syn.empty()) s.synonyms = braced(syn[1]);
    // Other bracketed notes (antonyms, see also) are left out.
    Regex::replaceAllInPlace(text, "\\s*\\[[a-z]+:[^\\]]*\\]", "");
    std::size_t quote = text.find("; \"");
    if (quote == std::string::npos && !text.empty() && text[0] == '"') quote = 0;
    s.gloss = trimmed(text.substr(0, quote));
    if (quote != std::string::npos)
        for (const Regex::Groups& g : Regex::allMatchGroups(text.substr(quote), "\"([^\"]*)\""))
            s.examples.push_back(g[1]);
    return s;
}

}  // namespace

std::vector<DictionaryServicePages::Sense> DictionaryServicePages::wordNetSenses(std::string_view entry) {
    std::vector<Sense> senses;
    std::string pos, text;
    bool open = false;
    auto finish = [&] {
        if (open) senses.push_back(sense(pos, trimmed(text)));
        open = false;
        text.clear();
    };
    std::vector<std::string> all = lines(entry);
    // The first line is the headword.
    for (std::size_t i = 1; i < all.size(); ++i) {
        Regex::Groups start =
            Regex::firstMatchGroups(all[i], "^\\s+(?:(n|v|adj|adv)\\s+)?(?:\\d+\\s*)?:\\s?(.*)$");
        if (!start.empty()) {
            finish();
            if (!start[1].empty()) pos = partOfSpeech(start[1]);
            text = start[2];
            open = true;
        } else if (open) {
            text += " " + trimmed(all[i]);
        }
    }
    finish();
    return senses;
}

std::string DictionaryServicePages::definitionsPage(std::string_view word,
                                                    const std::vector<std::string>& entries) {
    std::vector<Sense> senses;
    for (const std::string& entry : entries) {
        std::vector<Sense> more = wordNetSenses(entry);
        senses.insert(senses.end(), more.begin(), more.end());
    }
    if (senses.empty()) return notFoundPage(word);
    std::string html = pageStart(word) + "<div id=\"search\">";
    std::string group;
    bool listOpen = false;
    for (const Sense& s : senses) {
        if (!listOpen || s.partOfSpeech != group) {
            if (listOpen) html += "</ol></div>";
            group = s.partOfSpeech;
            // In a paragraph, so that the part of speech keeps the page's margin off the edge.
            html += "<div class=\"std\"><p><em>" + fnd::escapeHTML(group) + "</em></p><ol>";
            listOpen = true;
        }
        html += "<li>" + fnd::escapeHTML(s.gloss);
        for (const std::string& example : s.examples) html += "; <i>\"" + fnd::escapeHTML(example) + "\"</i>";
        if (!s.synonyms.empty()) {
            html += "<br />Synonyms: ";
            for (std::size_t i = 0; i < s.synonyms.size(); ++i)
                html += (i ? ", " : "") + fnd::escapeHTML(s.synonyms[i]);
        }
        html += "</li>";
    }
    html += "</ol></div>";
    return html + "<hr /><h5>Web definitions</h5><p>WordNet 3.0</p></div></body></html>";
}

std::string DictionaryServicePages::translationPage(std::string_view word,
                                                    const std::vector<std::string>& entries) {
    std::string items;
    for (const std::string& entry : entries) {
        std::vector<std::string> all = lines(entry);
        if (all.empty()) continue;
        // The headword's line: the word, "/pronunciation/" and "<part of speech>" when given.
        Regex::Groups pos = Regex::firstMatchGroups(all[0], "<([^>]+)>");
        std::string partOfSpeech = pos.empty() ? std::string() : "<em>" + fnd::escapeHTML(pos[1]) + "</em> ";
        // Each translation line is an item; the examples under it (quoted lines) go with it.
        bool open = false;
        for (std::size_t i = 1; i < all.size(); ++i) {
            std::string line = trimmed(all[i]);
            if (line.empty() || Regex::isMatched(line, "^(?:see|Synonym|Note)s?:")) continue;
            if (line[0] == '"') {
                if (open) items += "<br /><i>" + fnd::escapeHTML(line) + "</i>";
                continue;
            }
            if (open) items += "</li>";
            items += "<li>" + partOfSpeech + fnd::escapeHTML(Regex::replaceAll(line, "^\\d+\\.\\s*", ""));
            open = true;
        }
        if (open) items += "</li>";
    }
    if (items.empty()) return notFoundPage(word);
    return pageStart(word) +
           "<div id=\"result\"><div class=\"dct\" style=\"display:block\"><h3 class=\"dct\">Dictionary</h3>" +
           "<ol>" + items + "</ol><p>FreeDict</p></div></div></body></html>";
}

std::string DictionaryServicePages::notFoundPage(std::string_view word) {
    return pageStart(word) + "<div id=\"result\"><p>No entry for this word.</p></div></body></html>";
}

std::vector<std::string> DictionaryServicePages::lookupForms(std::string_view text) {
    std::vector<std::string> forms;
    // Blanks, quotes and punctuation that a selection takes along.
    std::string word = Regex::replaceAll(text, "\\A[\\s\\p{P}]+|[\\s\\p{P}]+\\z", "");
    word = Regex::replaceAll(word, "\\s+", " ");
    if (word.empty()) return forms;
    forms.push_back(word);
    auto add = [&](std::string form) {
        if (form.size() > 1 && std::find(forms.begin(), forms.end(), form) == forms.end())
            forms.push_back(std::move(form));
    };
    auto endsWith = [&](std::string_view end) { return word.size() > end.size() + 1 && word.ends_with(end); };
    auto stem = [&](std::size_t cut) { return word.substr(0, word.size() - cut); };
    if (endsWith("ies")) add(stem(3) + "y");
    if (endsWith("es")) add(stem(2));
    if (endsWith("s") && !endsWith("ss")) add(stem(1));
    if (endsWith("ied")) add(stem(3) + "y");
    if (endsWith("ed")) {
        add(stem(2));
        add(stem(1));
    }
    if (endsWith("ing")) {
        add(stem(3));
        add(stem(3) + "e");
    }
    return forms;
}
