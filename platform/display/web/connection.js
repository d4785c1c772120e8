// The page's link to the program: one WebSocket carrying JSON text both ways. It shows the state
// of the link and hands every message from the program to the listeners of "orva-message".
'use strict';

(function () {
    const stateView = document.getElementById('connection');
    const texts = {
        connecting: 'Connecting…',
        connected: 'Connected',
        moved: 'The device moved to another tab.',
        disconnected: 'Disconnected: the program has ended or is unreachable.',
    };
    const MOVED_CLOSE_CODE = 4001;

    function setState(state) {
        if (stateView.dataset.state === 'moved') return;  // final: another tab has the device
        stateView.dataset.state = state;
        stateView.textContent = texts[state];
        window.dispatchEvent(new CustomEvent('orva-state', { detail: state }));
    }

    // The token arrives in the address only on the first visit; later the cookie carries it.
    const token = new URLSearchParams(location.search).get('token');
    const address = 'ws://' + location.host + '/ws' + (token ? '?token=' + encodeURIComponent(token) : '');
    // While disconnected (the program ended, or is being restarted on the same address), the page
    // tries again now and then, and at once when the tab is shown; the program sends the whole
    // tree to a tab that connects, so nothing needs a reload.
    const RETRY_MS = 1500;
    let socket = null;
    let retry = null;
    // Every message to the program (but the answers to its scripts, which it takes as they come)
    // carries a running number, and the program says which it has handled at the end of the turn
    // that handled it, after that turn's patch: until then a tap's effect may still be on its way,
    // and the screen does not count as at rest.
    let sent = 0;
    let handled = 0;

    function onMessage(event) {
        let message;
        try {
            message = JSON.parse(event.data);
        } catch (e) {
            console.warn('display: a message that is not JSON', e);
            return;
        }
        if (message && message.type === 'moved') {
            setState('moved');
            return;
        }
        if (message && message.type === 'handled' && Number.isSafeInteger(message.input)) handled = Math.max(handled, message.input);
        window.dispatchEvent(new CustomEvent('orva-message', { detail: message }));
    }

    function connect() {
        clearTimeout(retry);
        retry = null;
        if (stateView.dataset.state === 'moved') return;
        if (socket && (socket.readyState === WebSocket.OPEN || socket.readyState === WebSocket.CONNECTING)) return;
        const current = new WebSocket(address);
        socket = current;
        current.addEventListener('open', () => {
            // A new connection: the program counts this tab's messages afresh.
            sent = 0;
            handled = 0;
            setState('connected');
        });
        current.addEventListener('message', onMessage);
        current.addEventListener('close', (event) => {
            if (socket !== current) return;
            if (event.code === MOVED_CLOSE_CODE) return setState('moved');
            setState('disconnected');
            retry = setTimeout(connect, RETRY_MS);
        });
    }

    document.addEventListener('visibilitychange', () => {
        if (document.visibilityState === 'visible' && stateView.dataset.state === 'disconnected') connect();
    });
    connect();

    window.orvaConnection = {
        // Sends the message; answers its running number (0: not sent, or not numbered).
        send(message) {
            if (!socket || socket.readyState !== WebSocket.OPEN) return 0;
            if (message.type === 'answer') {
                socket.send(JSON.stringify(message));
                return 0;
            }
            socket.send(JSON.stringify({ ...message, input: ++sent }));
            return sent;
        },
        // Whether a message sent to the program has not been handled yet.
        get awaiting() {
            return handled < sent;
        },
        get state() {
            return stateView.dataset.state;
        },
    };
})();
