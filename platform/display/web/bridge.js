// The bridge: put first into every document of a web view's frame, called with the document's
// serial. The frame is sandboxed apart from the display's origin; the bridge talks to the display
// only by messages to its parent page, which knows the frame by the window they come from and so
// can only ever speak for this web view. It hands every navigation the page starts (link taps,
// form submissions, script navigation) to the program, which decides and loads; it tells when the
// page has loaded and when its first picture has been presented, where the person selected text,
// and runs the program's scripts, answering their results. Messages from anywhere but the parent
// page are ignored.
//
// A navigation says whether the person's own press made it (`gesture`): a link they clicked, a form
// they submitted with its key. What a script of the page does never counts, even while the person
// taps something else, and the page's scripts cannot speak for the person either: the parent page
// gives the bridge a key that only the bridge hears, and counts a gesture only with that key.
(function (serial) {
    'use strict';
    const parentPage = window.parent;
    if (parentPage === window) return;  // not in a frame: nothing to talk to
    // The page's own scripts run after this one and may change these globals: keep what is used.
    const postToParent = (message) => parentPage.postMessage(message, '*');
    const indirectEval = eval;
    const FormDataOf = window.FormData;
    const Params = window.URLSearchParams;
    const URLOf = window.URL;
    const nativeSubmit = HTMLFormElement.prototype.submit;
    const getSelectionOf = window.getSelection.bind(window);
    const later = window.setTimeout.bind(window);
    const submitterOf = Object.getOwnPropertyDescriptor(SubmitEvent.prototype, 'submitter').get;
    const targetOf = Object.getOwnPropertyDescriptor(Event.prototype, 'target').get;
    const contains = Node.prototype.contains;

    let key = '';  // from the parent page, once
    function post(kind, fields) {
        // Spread, not assignment: a setter the page put on Object.prototype sees nothing.
        postToParent({ ...fields, orvaBridge: 1, serial, kind });
    }
    function request(navigation, url, method, body, gesture) {
        const fields = { navigation, url: String(url), method, body: body || '' };
        post('request', gesture && key ? { ...fields, gesture: true, key } : fields);
    }

    // What the person's own click pressed, until the end of that click's turn: a submission it
    // starts through a submit key it pressed (the key's own default action) is theirs.
    let pressed = null;
    window.addEventListener('click', (event) => {
        if (!event.isTrusted) return;
        pressed = targetOf.call(event);
        later(() => { pressed = null; }, 0);
    }, true);
    function pressedByPerson(submitter) {
        return !!submitter && !!pressed && contains.call(submitter, pressed);
    }

    // --- navigation ------------------------------------------------------------------------------

    // A link tap, after the page's own handlers had their say: a page that prevented it keeps it.
    window.addEventListener('click', (event) => {
        if (event.defaultPrevented || event.button !== 0) return;
        const path = event.composedPath ? event.composedPath() : [];
        const link = path.find((n) => (n instanceof HTMLAnchorElement || n instanceof HTMLAreaElement)
            && n.hasAttribute('href'));
        if (!link) return;
        const href = link.href;
        if (/^javascript:/i.test(href)) return;  // runs in the page itself
        event.preventDefault();
        request('link', href, 'GET', '', event.isTrusted);
    });

    function submitForm(form, submitter, gesture) {
        const method = String((submitter && submitter.getAttribute('formmethod')) || form.method || 'get').toLowerCase();
        if (method === 'dialog') return;
        const action = (submitter && submitter.hasAttribute('formaction')) ? submitter.formAction : form.action;
        let data;
        try {
            data = submitter ? new FormDataOf(form, submitter) : new FormDataOf(form);
        } catch (err) {
            data = new FormDataOf(form);
        }
        const fields = new Params();
        for (const [name, value] of data) fields.append(name, typeof value === 'string' ? value : value.name);
        if (method === 'post') {
            request('form', action, 'POST', fields.toString(), gesture);
            return;
        }
        const target = new URLOf(action);
        target.search = '?' + fields.toString();
        target.hash = '';
        request('form', target.href, 'GET', '', gesture);
    }
    window.addEventListener('submit', (event) => {
        const form = targetOf.call(event);
        if (event.defaultPrevented || !(form instanceof HTMLFormElement)) return;
        event.preventDefault();
        // A submit event is the browser's own even when a script asked for it (requestSubmit, a
        // script's click on the key): only the key the person pressed makes it theirs.
        const submitter = submitterOf.call(event);
        submitForm(form, submitter || null, event.isTrusted && pressedByPerson(submitter));
    });
    // A script's form.submit() fires no submit event.
    HTMLFormElement.prototype.submit = function submit() {
        if (this instanceof HTMLFormElement) submitForm(this, null, false);
        else nativeSubmit.call(this);
    };

    // Whatever else would leave the page (a script setting the location, a link whose tap the page
    // stopped short of the window) goes to the program too; moves within the page stay here.
    if (window.navigation) {
        window.navigation.addEventListener('navigate', (event) => {
            if (event.hashChange || !event.cancelable || event.downloadRequest) return;
            const kind = event.navigationType === 'reload' ? 'reload'
                : event.navigationType === 'traverse' ? 'backForward'
                    : event.formData ? 'form' : event.userInitiated ? 'link' : 'other';
            event.preventDefault();
            if (event.formData) {
                const fields = new Params();
                for (const [name, value] of event.formData) fields.append(name, typeof value === 'string' ? value : value.name);
                request(kind, event.destination.url, 'POST', fields.toString());
            } else {
                request(kind, event.destination.url, 'GET');
            }
        });
    }

    // --- load, selection ---------------------------------------------------------------------------

    // A page wider than its frame, when the web view scales pages to fit, is shown smaller.
    let fit = false;
    function applyFit() {
        const root = document.documentElement;
        if (!root) return;
        root.style.zoom = '';
        if (!fit) return;
        const width = Math.max(root.scrollWidth, document.body ? document.body.scrollWidth : 0);
        if (width > window.innerWidth + 1) root.style.zoom = String(window.innerWidth / width);
    }

    // Scripts of the program run once the page is whole and its own load handlers have run.
    let loaded = false;
    const waiting = [];
    window.addEventListener('load', () => later(() => {
        loaded = true;
        applyFit();
        post('loaded', {});
        for (const job of waiting.splice(0)) job();
    }, 0));

    let reported = { text: '', rect: '' };
    let pending = 0;
    function reportSelection() {
        pending = 0;
        const selection = getSelectionOf();
        const text = selection ? selection.toString() : '';
        let rect = [0, 0, 0, 0];
        if (text && selection.rangeCount) {
            const r = selection.getRangeAt(0).getBoundingClientRect();
            rect = [r.left, r.top, r.width, r.height];
        }
        const key = rect.join(',');
        if (text === reported.text && (key === reported.rect || !text)) return;
        reported = { text, rect: key };
        post('selection', { text, rect });
    }
    document.addEventListener('selectionchange', () => {
        if (!pending) pending = later(reportSelection, 60);
    });

    // --- the program's messages -------------------------------------------------------------------

    function asText(value) {
        if (typeof value === 'string') return value;
        if (typeof value === 'number' || typeof value === 'boolean') return String(value);
        return '';
    }
    function run(script, call) {
        let result = '';
        try {
            result = asText(indirectEval(String(script)));
        } catch (err) {
            console.warn('web view: a script of the program failed:', err);
        }
        if (call) post('answer', { call, result });
    }

    // Listening first, while capturing: the page's own listeners cannot hold the program's
    // messages back.
    window.addEventListener('message', (event) => {
        if (event.source !== parentPage) return;  // another frame, or the page itself
        const m = event.data;
        if (!m || typeof m !== 'object' || m.orvaDisplay !== 1) return;
        event.stopImmediatePropagation();
        if (m.kind === 'evaluate') {
            const job = () => run(m.script, m.call);
            if (loaded) job(); else waiting.push(job);
        } else if (m.kind === 'fit') {
            fit = m.on === true;
            if (loaded) applyFit();
        } else if (m.kind === 'key') {
            if (!key && typeof m.key === 'string') key = m.key;
        } else if (m.kind === 'endSelection') {
            const selection = getSelectionOf();
            if (selection) selection.removeAllRanges();
        }
    }, true);

    post('hello', {});
    // The page's first picture: told once the browser has presented it (its first paint, counted
    // from now on: a document written into a waiting frame shares that frame's timeline), or after
    // a second should the page paint nothing that the browser counts as a paint.
    const since = performance.now();
    let drawn = false;
    const tellDrawn = () => {
        if (drawn) return;
        drawn = true;
        post('drawn', {});
    };
    try {
        new window.PerformanceObserver((list, observer) => {
            if (!list.getEntries().some((entry) => entry.startTime >= since)) return;
            observer.disconnect();
            tellDrawn();
        }).observe({ type: 'paint', buffered: true });
    } catch (err) {
        // A browser without paint timing has only the second to go by.
    }
    later(tellDrawn, 1000);
})
