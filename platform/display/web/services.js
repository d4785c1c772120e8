// The device's services beside its screen: the clipboard both ways (a "Paste into device" control,
// and the device's copies reaching the browser's clipboard) and the mail composer that a "mailto:"
// address opens, both in the side panel next to the device; and the screen's wake lock while the
// program keeps the device awake. It tells the program the browser's languages.
'use strict';

(function () {
    // The socket takes messages up to 16 MiB; a paste that would not fit is refused whole.
    const MESSAGE_LIMIT = 16 * 1024 * 1024 - 1024;
    const send = (message) => window.orvaConnection.send(message);
    const $ = (id) => document.getElementById(id);

    const side = $('side');
    const clipboardPanel = $('clipboard-panel');
    const clipboardText = $('clipboard-text');
    const clipboardNote = $('clipboard-note');
    const mailPanel = $('mail-panel');
    const mailNote = $('mail-note');
    const state = {
        pasted: 0,        // pastes sent to the device
        mirrored: [],     // what the device copied, in turn ("written" or "panel" for each)
        mail: null,       // the mail the composer shows
        saved: null,      // the name of the file last saved
        wakeLock: 'off',  // "held", "refused" (by the browser) or "off"
    };

    function showPanel(panel) {
        for (const p of side.querySelectorAll('.panel')) p.hidden = p !== panel;
        side.hidden = !panel;
        document.body.classList.toggle('side-open', !!panel);
        window.orvaDevice.layout();
    }

    const bytes = (text) => new TextEncoder().encode(text).length;
    const megabytes = (n) => (n / (1024 * 1024)).toFixed(1) + ' MB';

    // --- clipboard: into the device --------------------------------------------------------------

    function pasteIntoDevice(text) {
        const message = { type: 'paste', text };
        const size = bytes(JSON.stringify(message));
        if (size > MESSAGE_LIMIT) {
            clipboardNote.textContent = `Too large to paste: ${megabytes(size)}; the device takes at most 16 MB.`;
            showPanel(clipboardPanel);
            return false;
        }
        send(message);
        state.pasted += 1;
        clipboardNote.textContent = `Pasted ${text.length} characters into the device.`;
        return true;
    }

    // The browser's clipboard where it lets the page read it; else the panel, to paste or load into.
    $('paste').addEventListener('click', async () => {
        clipboardNote.textContent = '';
        try {
            const text = await navigator.clipboard.readText();
            if (text && pasteIntoDevice(text)) return;
        } catch (err) {
            clipboardNote.textContent = 'The browser does not let the page read its clipboard: paste here.';
        }
        showPanel(clipboardPanel);
        clipboardText.focus();
    });
    $('clipboard-send').addEventListener('click', () => pasteIntoDevice(clipboardText.value));
    $('clipboard-close').addEventListener('click', () => showPanel(null));

    // A text file only: bytes that are no UTF-8 text (a NUL, an invalid sequence) are refused. The
    // file chooser is made when asked for, so that the page holds no input beside the device's.
    async function loadFile(file) {
        const data = new Uint8Array(await file.arrayBuffer());
        let text = null;
        if (!data.includes(0)) {
            try {
                text = new TextDecoder('utf-8', { fatal: true }).decode(data);
            } catch (err) { /* refused below */ }
        }
        if (text === null) {
            clipboardNote.textContent = `"${file.name}" is not a text file.`;
            return;
        }
        clipboardText.value = text;
        clipboardNote.textContent = `Loaded ${text.length} characters of "${file.name}".`;
    }
    $('clipboard-load').addEventListener('click', () => {
        const chooser = document.createElement('input');
        chooser.type = 'file';
        chooser.accept = 'text/*,.txt,.csv';
        chooser.addEventListener('change', () => {
            if (chooser.files[0]) loadFile(chooser.files[0]);
        });
        chooser.click();
    });

    // --- clipboard: out of the device ------------------------------------------------------------

    async function copyOut(text, textarea) {
        try {
            await navigator.clipboard.writeText(text);
            return true;
        } catch (err) {
            // Without the permission a selection in the page can still be copied.
            textarea.focus();
            textarea.select();
            return document.execCommand && document.execCommand('copy');
        }
    }

    async function mirror(text) {
        clipboardText.value = text;
        const written = await copyOut(text, clipboardText);
        state.mirrored.push(written ? 'written' : 'panel');
        clipboardNote.textContent = written
            ? `The device copied ${text.length} characters to the clipboard.`
            : `The device copied ${text.length} characters: copy them from here.`;
        if (!written) showPanel(clipboardPanel);
    }

    // --- mail ------------------------------------------------------------------------------------

    function fileName(subject) {
        const base = String(subject || '').replace(/[^\p{L}\p{N} ._-]+/gu, ' ').trim().replace(/\s+/g, ' ');
        return (base || 'mail').slice(0, 80) + '.txt';
    }

    function compose(mail) {
        state.mail = mail;
        $('mail-to').textContent = mail.to;
        $('mail-subject').textContent = mail.subject;
        $('mail-body').value = mail.body;
        $('mail-open').hidden = !mail.link;
        mailNote.textContent = mail.link ? '' : `${mail.body.length} characters: too long for a mail program's link.`;
        showPanel(mailPanel);
    }

    $('mail-copy').addEventListener('click', async () => {
        const body = state.mail ? state.mail.body : '';
        const copied = await copyOut(body, $('mail-body'));
        mailNote.textContent = copied ? `Copied ${body.length} characters.` : 'The browser did not let the page copy.';
    });
    $('mail-save').addEventListener('click', () => {
        if (!state.mail) return;
        const link = document.createElement('a');
        link.href = URL.createObjectURL(new Blob([state.mail.body], { type: 'text/plain;charset=utf-8' }));
        link.download = fileName(state.mail.subject);
        link.click();
        setTimeout(() => URL.revokeObjectURL(link.href), 60000);
        state.saved = link.download;
        mailNote.textContent = `Saved as "${link.download}".`;
    });
    $('mail-open').addEventListener('click', () => {
        if (state.mail && state.mail.link) window.orvaDevice.openOutside(state.mail.link);
    });
    $('mail-close').addEventListener('click', () => showPanel(null));

    // --- wake lock -------------------------------------------------------------------------------

    // The browser lets a lock go when the page is hidden; it is asked for again when it shows.
    let wanted = false;
    let sentinel = null;
    async function holdWakeLock() {
        if (!wanted || sentinel || document.visibilityState !== 'visible') return;
        try {
            sentinel = await navigator.wakeLock.request('screen');
            state.wakeLock = 'held';
            sentinel.addEventListener('release', () => {
                sentinel = null;
                if (state.wakeLock === 'held') state.wakeLock = wanted ? 'refused' : 'off';
            });
        } catch (err) {
            state.wakeLock = 'refused';
        }
    }
    function setWakeLock(on) {
        wanted = on;
        if (on) {
            holdWakeLock();
            return;
        }
        state.wakeLock = 'off';
        if (sentinel) sentinel.release().catch(() => {});
        sentinel = null;
    }
    document.addEventListener('visibilitychange', holdWakeLock);

    // --- messages --------------------------------------------------------------------------------

    // The browser's languages, for the program's preferred languages.
    window.addEventListener('orva-state', (event) => {
        if (event.detail === 'connected') send({ type: 'languages', languages: [...(navigator.languages || [])] });
    });

    window.addEventListener('orva-message', (event) => {
        const m = event.detail;
        if (!m) return;
        if (m.type === 'clipboard' && typeof m.text === 'string') mirror(m.text);
        else if (m.type === 'wakeLock') setWakeLock(m.on === true && 'wakeLock' in navigator);
        else if (m.type === 'mail') {
            compose({ to: String(m.to ?? ''), subject: String(m.subject ?? ''), body: String(m.body ?? ''),
                link: typeof m.link === 'string' && /^mailto:/i.test(m.link) ? m.link : '' });
        }
    });

    window.orvaServices = { state, pasteIntoDevice, showPanel };
})();
