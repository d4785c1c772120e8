#pragma once
// Makes HTML from outside (forum posts, feed bodies) fit to be shown in a page of ours: an
// allow-list keeps text formatting, paragraphs, lists, tables, spans with a class or a colour,
// and links and pictures with http or https addresses. Scripts, styles, frames, embedded objects
// and forms go with their content; any other element loses its tags and keeps its text; event
// handlers and every attribute not on the list go. Comments go; a stray "<" or ">" becomes text.
// Line breaks come out as "<br />", the form the question pages expect.

#include <string>
#include <string_view>

class HTMLCleaner {
  public:
    static std::string clean(std::string_view html);
    // The text with '"', '<' and '>' written as entities, fit for an attribute between double
    // quotes or for element text; entities already in it stay.
    static std::string escapeAttribute(std::string_view value);
    // Whether the address is an http or https one (letter case and blanks ignored).
    static bool isWebAddress(std::string_view value);
};
