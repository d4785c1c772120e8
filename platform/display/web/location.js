// The device's location control beside the screen: the person types where the device is, takes
// the browser's own position, makes it unknown or switches the device's location services off. The
// program says where the device is whenever that changes (the option --location, this control), and
// the panel shows it.
'use strict';

(function () {
    const send = (message) => window.orvaConnection.send(message);
    const $ = (id) => document.getElementById(id);
    const panel = $('location-panel');
    const note = $('location-note');
    // The text field is in the page only while the panel shows, so that the page holds no input
    // beside the device's otherwise (as the clipboard's file chooser).
    let text = null;
    function makeField() {
        text = document.createElement('input');
        text.id = 'location-text';
        text.type = 'text';
        text.spellcheck = false;
        text.placeholder = '48.8566, 2.3522';
        text.addEventListener('keydown', (event) => {
            if (event.key === 'Enter') $('location-set').click();
        });
        $('location-label').after(text);
    }
    new MutationObserver(() => {
        if (panel.hidden && text) {
            text.remove();
            text = null;
        } else if (!panel.hidden && !text) {
            makeField();
        }
    }).observe(panel, { attributes: true, attributeFilter: ['hidden'] });
    const state = { device: null };  // the device's location as the program last told it

    const degrees = (v) => Number(v).toFixed(6).replace(/\.?0+$/, '');
    function show() {
        const d = state.device;
        $('location-now').textContent = !d ? '' : d.state === 'off' ? 'location services off'
            : d.state === 'at' ? `${degrees(d.latitude)}, ${degrees(d.longitude)}` : 'unknown';
    }

    // "LAT, LON" in decimal degrees on the globe; null for anything else.
    function parse(value) {
        const parts = String(value).split(',');
        if (parts.length !== 2) return null;
        const numbers = parts.map((p) => p.trim());
        if (!numbers.every((p) => /^[+-]?(\d+\.?\d*|\.\d+)$/.test(p))) return null;
        const [latitude, longitude] = numbers.map(Number);
        if (Math.abs(latitude) > 90 || Math.abs(longitude) > 180) return null;
        return { latitude, longitude };
    }

    function setAt(position, source) {
        send({ type: 'location', state: 'at', latitude: position.latitude, longitude: position.longitude });
        note.textContent = `The device is at ${degrees(position.latitude)}, ${degrees(position.longitude)} (${source}).`;
    }

    $('location').addEventListener('click', () => {
        window.orvaServices.showPanel(panel.hidden ? panel : null);
        if (!panel.hidden) {
            if (!text) makeField();
            text.focus();
        }
    });
    $('location-close').addEventListener('click', () => window.orvaServices.showPanel(null));
    $('location-set').addEventListener('click', () => {
        const position = parse(text ? text.value : '');
        if (!position) {
            note.textContent = 'Type a latitude from -90 to 90 and a longitude from -180 to 180, as 48.8566, 2.3522.';
            return;
        }
        setAt(position, 'typed');
    });
    $('location-browser').addEventListener('click', () => {
        if (!navigator.geolocation) {
            note.textContent = 'This browser has no position to give.';
            return;
        }
        note.textContent = 'Asking the browser…';
        navigator.geolocation.getCurrentPosition(
            (p) => setAt({ latitude: p.coords.latitude, longitude: p.coords.longitude }, 'the browser\'s'),
            (err) => { note.textContent = `The browser gave no position: ${err.message || 'refused'}.`; },
            { timeout: 15000 });
    });
    $('location-unknown').addEventListener('click', () => {
        send({ type: 'location', state: 'unknown' });
        note.textContent = 'The device does not know where it is.';
    });
    $('location-off').addEventListener('click', () => {
        send({ type: 'location', state: 'off' });
        note.textContent = 'The device\'s location services are off.';
    });

    window.addEventListener('orva-message', (event) => {
        const m = event.detail;
        if (!m || m.type !== 'location') return;
        state.device = { state: m.state, latitude: m.latitude, longitude: m.longitude };
        show();
    });

    window.orvaLocation = { state };
})();
