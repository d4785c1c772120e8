// Web views: each is an iframe, sandboxed apart from this page's origin, that shows the document
// the program serves for it. The bridge inside each document (bridge.js) talks to this page by
// messages; a message counts only as coming from the web view whose frame's window sent it, and
// this page relays it to the program with that web view's id. The program's scripts go the other
// way, each for a document (its serial): they wait until that document's bridge has said hello,
// and are kept, so that a frame that loads its document again (moved in the page, or made anew)
// runs them again and shows the page as the program left it. Answers go back only for calls that
// were sent to that very frame.
'use strict';

(function () {
    const send = (message) => window.orvaConnection && window.orvaConnection.send(message);
    const FAIL_AFTER = 1500;  // ms after the frame's load without a word from its bridge

    let screen = null;
    const states = new Map();  // web view id -> what this page knows of its document

    function stateOf(id) {
        let state = states.get(id);
        if (!state) {
            state = { serial: 0, jobs: [], calls: new Set(), window: null, ready: 0, spoke: false, failTimer: 0 };
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
        let frame = rec.content;
        if (frame && frame.getAttribute('src') === src) {
            tellFit(rec, stateOf(rec.id));
            return;
        }
        const state = stateOf(rec.id);
        state.ready = 0;
        state.window = null;
        state.spoke = false;
        // A new document gets a new frame: loading it in the old one would add an entry to the
        // tab's history, and the browser's Back button would take the frame to a page that is gone.
        const fresh = makeFrame(rec);
        fresh.setAttribute('src', src);
        if (frame) frame.replaceWith(fresh); else rec.kids.before(fresh);
        rec.content = fresh;
    }

    // The frame's document loaded; one whose bridge never spoke did not load as a page.
    function frameLoaded(rec, frame) {
        const src = frame.getAttribute('src');
        const state = stateOf(rec.id);
        if (!src || src === 'about:blank' || state.spoke) return;
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
        tellFit(rec, state);
        for (const job of state.jobs) deliver(state, job);
    }

    function fromBridge(event) {
        const m = event.data;
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
            case 'request':
                send({ type: 'web', id, serial, event: 'request', navigation: String(m.navigation),
                    url: String(m.url), method: m.method === 'POST' ? 'POST' : 'GET', body: String(m.body || '') });
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
        render,
        evaluate,
        endSelection,
        // Ends the selections in the frames within a node (a view whose user interaction went off).
        endSelectionsWithin(node) {
            for (const rec of frameRecs()) if (node.contains(rec.node)) endSelection(rec);
        },
        gone(id) {
            const state = states.get(id);
            if (state) clearTimeout(state.failTimer);
            states.delete(id);
        },
        // A whole tree: the frames are made anew, and the program sends their scripts again.
        reset() {
            for (const state of states.values()) clearTimeout(state.failTimer);
            states.clear();
        },
    };
})();
