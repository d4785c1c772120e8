#pragma once
// How the forum browser dresses and judges its requests: the two header fields that name the
// device and the program, the sign-in that a request for the forum's folder becomes when a login
// is stored, the form fields of a request's body, the login a person gives on the forum's own
// login form, and whether a request the page makes may load as it is or must be sent again by the
// browser (with the header fields, and as the sign-in for the forum's folder).
//
//     fnd::URLRequest request{fnd::URL(address)};
//     ForumRequests::setHeaderFields(request);
//     ForumRequests::tryAutoLogin(request, base, rep->forumLogin(), rep->forumPassword());
//     webView->loadRequest(request);

#include <map>
#include <optional>
#include <string>

#include "platform/foundation/URLRequest.h"

class ForumRequests {
  public:
    static constexpr const char* kUserAgent = "User-Agent";
    static constexpr const char* kMyAgent = "My-Agent";
    static constexpr const char* kProductMark = " Tovrida/";

    // "<device kind> Tovrida/<version>".
    static std::string myAgent();
    // The request's User-Agent followed by " Tovrida/<version>"; a request without one (those the
    // browser makes itself) gets the program's own name, version and device model before it.
    static std::string userAgent(const fnd::URLRequest& request);
    static void setHeaderFields(fnd::URLRequest& request);

    // With both a login and a password, a request for the forum's folder becomes the form post of
    // the sign-in to the login form's target; any other request is left as it is.
    static void tryAutoLogin(fnd::URLRequest& request, const std::string& base,
                             const std::optional<std::string>& login,
                             const std::optional<std::string>& password);

    // The body's form fields: "&"-separated "name=value" parts, the value decoded as a form value
    // ("+" a blank, then the percent escapes). A part without "=" gives nothing.
    static std::map<std::string, std::string> paramsFromRequest(const fnd::URLRequest& request);

    struct Login {
        std::string login;
        std::string password;
    };
    // The login the person signs in with on the forum's own login form, when they ask to stay
    // signed in ("autologin" on) and give both a name and a password. Only a post to the forum's
    // login target counts: what is typed into another site's form is never taken.
    static std::optional<Login> capturedLogin(const fnd::URLRequest& request, const std::string& base);

    // Whether a request the page makes loads as it is (it already carries the browser's header
    // fields, or it is a frame, redirect or script load of a page other than the forum's folder);
    // otherwise the browser refuses it and sends it again itself.
    static bool loadsAsItIs(const fnd::URLRequest& request, fnd::URLRequest::NavigationType navigation,
                            const std::string& base);
};
