// Web views: each is an iframe, sandboxed apart from this page's origin, that shows the document
// the program serves for it. The bridge inside each document (bridge.js) talks to this page by
// messages; a message counts only as coming from the web view whose frame's window sent it, and
// this page relays it to the program with that web view's id. The program's scripts go the other
// way, each for a document (its serial): they wait until that document's bridge has said hello,
// and are kept, so that a frame that loads its document again (moved in the page, or made anew)
// runs them again and shows the page as the program left it. Answers go back only for calls that
// were sent to that very frame.
//
// A document that the program made (its frame element says `inPlace`) is not loaded by a
// navigation, which costs far more than the page itself. Each web view keeps a spare frame beside
// its frame (before it in the page, drawn on top of it), transparent and passing pointers through:
// a blank shell (frame.html), loaded and ready. The next document's text is fetched and written into the shell, which becomes
// the web view's frame, on the web view's own opaque ground where it has one, so that the page
// before never shows through it; the frame before is removed once the new page has been drawn, and with it
// everything of the page before (its timers, listeners, globals and requests). A fresh spare is
// then made, in the same browser process, while the person reads.
'use strict';

(function () {
    const send = (message) => window.orvaConnection && window.orvaConnection.send(message);
    const FAIL_AFTER = 1500;  // ms after the frame's load without a word from its bridge

    let screen = null;
    let shellAddress = '';  // where the program serves the frame shell; none: every document navigates
    const states = new Map();  // web view id -> what this page knows of its document
    const texts = new Map();  // web view id -> {src, html}: the text of the document to be written next

    function stateOf(id) {
        let state = states.get(id);
        if (!state) {
            state = { serial: 0, jobs: [], calls: new Set(), window: null, ready: 0, spoke: false, failTimer: 0,
                key: '', spare: null, retiring: [] };
            states.set(id, state);
        }
        return state;
    }
    function newDocument(state, serial) {
        state.serial = serial;
        state.jobs = [];
        state.calls.clear();
        state.ready = 0;
    }

    function frameRecs() {
        return screen ? [...screen.elements.values()].filter((rec) => rec.kind === 'frame' && rec.content) : [];
    }
    function recOfWindow(source) {
        return frameRecs().find((rec) => rec.content.contentWindow === source) || null;
    }
    function recOfSpareWindow(source) {
        return frameRecs().find((rec) => states.get(rec.id)?.spare?.frame.contentWindow === source) || null;
    }

    function deliver(state, job) {
        if (!state.window) return;
        const call = state.calls.has(job.call) ? job.call : 0;
        state.window.postMessage({ orvaDisplay: 1, kind: 'evaluate', script: job.script, call }, '*');
    }

    function makeFrame(rec) {
        const frame = document.createElement('iframe');
        frame.className = 'content frame';
        // Documents of web views never run with the display's origin.
        frame.setAttribute('sandbox', 'allow-scripts allow-forms');
        frame.setAttribute('referrerpolicy', 'no-referrer');
        frame.addEventListener('load', () => frameLoaded(rec, frame));
        return frame;
    }

    // Whether the page is to be scaled to fit its frame's width.
    function tellFit(rec, state) {
        if (state.window) state.window.postMessage({ orvaDisplay: 1, kind: 'fit', on: !!rec.props.scalesToFit }, '*');
    }

    function render(screenOfRec, rec) {
        screen = screenOfRec;
        const src = String(rec.props.src || '') || 'about:blank';
        const state = stateOf(rec.id);
        if (rec.content && rec.shownSrc === src) {
            tellFit(rec, state);
            return;
        }
        state.ready = 0;
        state.window = null;
        state.spoke = false;
        rec.shownSrc = src;
        // A spare left in a node that is gone (its element was removed and made anew) is no spare.
        if (state.spare && state.spare.frame.parentNode !== rec.node) dropSpare(state);
        const spare = state.spare;
        if (rec.props.inPlace && spare && spare.ready && rec.content) {
            state.spare = null;
            writeInto(rec, state, spare.frame, src);
            return;
        }
        // A new document gets a new frame: loading it in the old one would add an entry to the
        // tab's history, and the browser's Back button would take the frame to a page that is gone.
        const fresh = makeFrame(rec);
        fresh.setAttribute('src', src);
        if (rec.content) rec.content.replaceWith(fresh); else rec.kids.before(fresh);
        rec.content = fresh;
        retireAll(state);
        if (rec.props.inPlace) makeSpare(rec, state);
    }

    // The spare becomes the web view's frame at once (what its bridge says counts from now on), and
    // the document is written into it as soon as its text is here.
    function writeInto(rec, state, frame, src) {
        const old = rec.content;
        old.classList.add('retiring');
        state.retiring.push(old);
        // The new frame stays where it waited, before the old one, and on top of it by its class
        // until the old one goes. It is not moved: a frame element that moves, even keeping its
        // document, is hidden and shown again by the browser, which throws away what it had drawn
        // and so holds back the new page's first picture by a frame or more.
        frame.classList.replace('spare', 'fresh');
        rec.content = frame;
        const text = texts.get(rec.id);
        texts.delete(rec.id);
        writeDocument(rec, frame, src, text && text.src === src ? text : null);
        // Should the page never say it was drawn, the frame before goes all the same.
        clearTimeout(state.failTimer);
        state.failTimer = setTimeout(() => pageDrawn(rec, state), FAIL_AFTER);
    }

    // The web view's background colour where it is opaque, as 0-255 red, green and blue: the ground a
    // page written into a shell paints under itself. None for a web view that lets what lies under
    // it show through.
    function groundOf(rec) {
        const c = rec.props.background;
        if (!Array.isArray(c) || c.length !== 4 || !(Number(c[3]) >= 1)) return null;
        return c.slice(0, 3).map((v) => Math.round(Math.min(1, Math.max(0, Number(v) || 0)) * 255));
    }

    // Writes the document at src into the shell in the frame: the text given, or else fetched. The
    // shell takes the document's address, unless the text names it in a base element itself (a page
    // made from a text, whose address holds nothing its scripts could read): taking an address is a
    // navigation, which the browser makes in the middle of the write.
    function writeDocument(rec, frame, src, text) {
        const current = () => rec.content === frame && rec.shownSrc === src && frame.isConnected;
        // The text goes as UTF-8 bytes whose buffer is handed over: a message that carries a
        // string of 16 kB or more (most pages are) takes the frame's window 2 ms or so to read, on
        // the way to the page's first picture; handed-over bytes take nothing.
        const write = (html, based) => {
            const text = new TextEncoder().encode(html);
            frame.contentWindow.postMessage(
                { orvaDisplay: 1, kind: 'write', text, address: based ? '' : src, ground: groundOf(rec) }, '*',
                [text.buffer]);
        };
        if (text) return write(text.html, text.base);
        fetch(src, { credentials: 'omit', cache: 'no-store' })
            .then((response) => (response.ok ? response.text() : Promise.reject(new Error(String(response.status)))))
            .then((html) => {
                if (current()) write(html, false);
            })
            .catch(() => {
                // The text could not be had: the frame loads the address itself, and fails as a load fails.
                if (current()) frame.setAttribute('src', src);
            });
    }

    // A frame whose document was written keeps the shell's address. Where the browser loads it
    // again (a move it could not make keeping the document, such as into a parent not yet in the
    // page), the shell comes back blank and says so: the document is written into it again, and
    // its bridge's hello brings the program's scripts back, as for a frame that loads its address again.
    function shellReloaded(rec) {
        const state = stateOf(rec.id);
        state.window = null;
        state.ready = 0;
        state.spoke = false;
        writeDocument(rec, rec.content, rec.shownSrc, null);
    }

    // The frames a web view showed before go once its new page has been drawn over them, as its
    // bridge says; the new spare is made then. Both change this page, whose next frame then takes
    // the processor from the new page's first picture no more.
    function pageDrawn(rec, state) {
        if (!state.retiring.length) return;
        clearTimeout(state.failTimer);
        retireAll(state);
        if (rec.props.inPlace && !state.spare && rec.content?.isConnected) makeSpare(rec, state);
    }
    function retireAll(state) {
        for (const frame of state.retiring.splice(0)) frame.remove();
        for (const rec of frameRecs()) if (states.get(rec.id) === state) rec.content.classList.remove('fresh');
    }

    function makeSpare(rec, state) {
        if (!shellAddress || state.spare) return;
        const frame = makeFrame(rec);
        frame.classList.add('spare');
        frame.setAttribute('src', shellAddress);
        (rec.content || rec.kids).before(frame);
        const spare = { frame, ready: false, failed: false };
        state.spare = spare;
        // A shell that does not say it is ready in time is no spare: documents load by their address.
        setTimeout(() => {
            if (!spare.ready) spare.failed = true;
        }, FAIL_AFTER);
    }
    function dropSpare(state) {
        if (state.spare) state.spare.frame.remove();
        state.spare = null;
    }

    // The frame's document loaded; one whose bridge never spoke did not load as a page.
    function frameLoaded(rec, frame) {
        const src = frame.getAttribute('src');
        const state = stateOf(rec.id);
        if (!src || src === 'about:blank' || src === shellAddress || state.spoke) return;
        clearTimeout(state.failTimer);
        state.failTimer = setTimeout(() => {
            if (state.spoke || frame.getAttribute('src') !== src || !frame.isConnected) return;
            send({ type: 'web', id: rec.id, event: 'failed', src, reason: 'the page in the frame did not answer' });
        }, FAIL_AFTER);
    }

    function hello(rec, state, serial, source) {
        if (serial < state.serial) return;  // an older document still in the frame
        if (serial > state.serial) newDocument(state, serial);
        state.window = source;
        state.ready = serial;
        state.spoke = true;
        // The key that makes the bridge's word on the person's own gestures count: the page's own
        // scripts never hear it.
        state.key = [...crypto.getRandomValues(new Uint32Array(4))].map((n) => n.toString(16)).join('-');
        source.postMessage({ orvaDisplay: 1, kind: 'key', key: state.key }, '*');
        tellFit(rec, state);
        for (const job of state.jobs) deliver(state, job);
    }

    function fromBridge(event) {
        const m = event.data;
        if (m && typeof m === 'object' && m.orvaShell === 1) {
            // A spare frame's shell is loaded and waits for a document.
            const rec = recOfSpareWindow(event.source);
            if (rec) states.get(rec.id).spare.ready = true;
            const shown = rec ? null : recOfWindow(event.source);
            if (shown && shown.content.getAttribute('src') === shellAddress) shellReloaded(shown);
            return;
        }
        if (!m || typeof m !== 'object' || m.orvaBridge !== 1) return;
        const rec = recOfWindow(event.source);
        if (!rec) return;  // not one of the web views' frames
        const serial = m.serial;
        if (!Number.isSafeInteger(serial) || serial < 1) return;
        const state = stateOf(rec.id);
        const id = rec.id;
        switch (m.kind) {
            case 'hello':
                hello(rec, state, serial, event.source);
                break;
            case 'loaded':
                send({ type: 'web', id, serial, event: 'loaded' });
                break;
            case 'drawn':
                if (serial === state.serial) pageDrawn(rec, state);
                break;
            case 'request':
                send({ type: 'web', id, serial, event: 'request', navigation: String(m.navigation),
                    url: String(m.url), method: m.method === 'POST' ? 'POST' : 'GET', body: String(m.body || ''),
                    gesture: m.gesture === true && !!state.key && m.key === state.key });
                break;
            case 'selection': {
                const rect = Array.isArray(m.rect) && m.rect.length === 4 ? m.rect.map((v) => Number(v) || 0) : [0, 0, 0, 0];
                send({ type: 'web', id, serial, event: 'selection', text: String(m.text || ''), rect });
                break;
            }
            case 'answer':
                // Only for a call this page sent to this frame, and once.
                if (serial !== state.serial || !state.calls.delete(m.call)) break;
                send({ type: 'answer', call: m.call, result: typeof m.result === 'string' ? m.result : '' });
                break;
        }
    }
    window.addEventListener('message', fromBridge);

    // --- from the program --------------------------------------------------------------------------

    function evaluate(m) {
        const serial = Number(m.serial);
        const call = Number.isSafeInteger(m.call) && m.call > 0 ? m.call : 0;
        const state = stateOf(m.id);
        if (!Number.isSafeInteger(serial) || serial < state.serial) {
            // For a document already replaced: nothing to run it in.
            if (call) send({ type: 'answer', call, result: '' });
            return;
        }
        if (serial > state.serial) newDocument(state, serial);
        const job = { script: String(m.script ?? ''), call };
        state.jobs.push(job);
        if (call) state.calls.add(call);
        if (state.ready === serial) deliver(state, job);
    }

    function endSelection(rec) {
        const state = states.get(rec.id);
        if (state && state.window) state.window.postMessage({ orvaDisplay: 1, kind: 'endSelection' }, '*');
    }

    window.orvaFrames = {
        attach(s) {
            screen = s;
        },
        // Whether a frame is on its way out or a spare frame still loads its shell: the page is not
        // yet at rest.
        busy() {
            for (const state of states.values()) {
                if (state.retiring.length) return true;
                if (state.spare && !state.spare.ready && !state.spare.failed) return true;
            }
            return false;
        },
        // The text of a web view's next document, which a patch will show.
        text(m) {
            if (typeof m.src === 'string' && typeof m.html === 'string') texts.set(m.id, { src: m.src, html: m.html, base: m.base === true });
        },
        // The address of the frame shell, from the program's device message.
        setShell(address) {
            shellAddress = typeof address === 'string' ? address : '';
        },
        render,
        evaluate,
        endSelection,
        // Ends the selections in the frames within a node (a view whose user interaction went off).
        endSelectionsWithin(node) {
            for (const rec of frameRecs()) if (node.contains(rec.node)) endSelection(rec);
        },
        gone(id) {
            texts.delete(id);
            const state = states.get(id);
            if (state) {
                clearTimeout(state.failTimer);
                retireAll(state);
                dropSpare(state);
            }
            states.delete(id);
        },
        // A whole tree: the frames are made anew, and the program sends their scripts again.
        reset() {
            for (const state of states.values()) {
                clearTimeout(state.failTimer);
                retireAll(state);
                dropSpare(state);
            }
            states.clear();
            texts.clear();
        },
    };
})();
