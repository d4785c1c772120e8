// Text entry: an input element of the tree is a real <input> or <textarea>. What the person types
// goes to the program, which answers with the value it keeps; the answers to edits still in
// flight are not written back over newer typing. Selections go to the program with their place,
// for the edit menu that the program draws.
'use strict';

(function () {
    const INPUT_MODES = {
        default: 'text', ascii: 'text', numberPad: 'numeric', decimalPad: 'decimal', phonePad: 'tel',
        email: 'email', url: 'url',
    };
    const ENTER_HINTS = { default: 'enter', done: 'done', go: 'go', search: 'search', next: 'next', send: 'send' };

    const send = (message) => (window.orvaConnection ? window.orvaConnection.send(message) : 0);

    // The selection's place in device points of the screen (the input's rectangle: a browser does
    // not tell where inside an input the selected characters are).
    function placeOf(field) {
        const screen = window.orvaDevice;
        const r = field.getBoundingClientRect();
        if (!screen) return [r.left, r.top, r.width, r.height];
        const corners = [[r.left, r.top], [r.right, r.top], [r.left, r.bottom], [r.right, r.bottom]]
            .map(([x, y]) => screen.toDevice(x, y));
        const xs = corners.map((c) => c[0]);
        const ys = corners.map((c) => c[1]);
        const x = Math.min(...xs);
        const y = Math.min(...ys);
        return [x, y, Math.max(...xs) - x, Math.max(...ys) - y];
    }

    function reportSelection(rec) {
        const field = rec.content;
        if (document.activeElement !== field || field.selectionStart === null) return;
        const start = field.selectionStart;
        const length = field.selectionEnd - start;
        // Not again what was sent last or what the program answered last.
        const last = rec.reported[rec.reported.length - 1] || rec.known;
        if (last && last[0] === start && last[1] === length) return;
        rec.reported.push([start, length]);
        send({ type: 'select', id: rec.id, start, length, text: field.value.slice(start, start + length),
            rect: placeOf(field) });
    }

    function makeField(rec, multiline) {
        const field = document.createElement(multiline ? 'textarea' : 'input');
        field.className = 'content input';
        field.spellcheck = false;
        field.autocomplete = 'off';
        field.addEventListener('input', () => {
            rec.unanswered.push(field.value);
            const start = field.selectionStart ?? field.value.length;
            const length = (field.selectionEnd ?? start) - start;
            rec.reported.push([start, length]);
            rec.lastEdit = send({ type: 'text', id: rec.id, value: field.value, start, length });
        });
        field.addEventListener('compositionstart', () => { rec.composing = true; });
        field.addEventListener('compositionend', () => { rec.composing = false; });
        field.addEventListener('keydown', (event) => {
            if (event.key === 'Enter' && !multiline && !event.isComposing) {
                event.preventDefault();
                send({ type: 'return', id: rec.id });
            }
        });
        for (const type of ['select', 'selectionchange', 'keyup', 'pointerup', 'focus'])
            field.addEventListener(type, () => reportSelection(rec));
        return field;
    }

    // Whether the program's selection answers one sent from here; drops that one and those before.
    function answered(reported, selection) {
        const i = Array.isArray(selection)
            ? reported.findIndex((r) => r[0] === selection[0] && r[1] === selection[1]) : -1;
        reported.splice(0, i >= 0 ? i + 1 : reported.length);
        return i >= 0;
    }

    function render(screen, rec, changed) {
        const p = rec.props;
        const multiline = !!p.multiline;
        if (!rec.unanswered) {
            rec.unanswered = [];  // values typed here that the program has not answered yet
            rec.reported = [];  // selections sent, likewise
        }
        let field = rec.content;
        if (!field || (field.tagName === 'TEXTAREA') !== multiline) {
            const fresh = makeField(rec, multiline);
            if (field) field.replaceWith(fresh); else rec.kids.before(fresh);
            rec.content = field = fresh;
            changed = p;  // everything applies to the new field
        }
        const { applyFont, rgba } = window.orvaFonts;
        if ('value' in changed) {
            const value = String(p.value ?? '');
            const answered = rec.unanswered.indexOf(value);
            if (answered >= 0) {
                rec.unanswered.splice(0, answered + 1);  // the program caught up with that edit
            } else {
                rec.unanswered = [];  // the program changed the text itself
                if (field.value !== value) field.value = value;
            }
        }
        if ('placeholder' in changed) field.placeholder = String(p.placeholder ?? '');
        if ('font' in changed) applyFont(field.style, p.font);
        if ('color' in changed) field.style.color = rgba(p.color || [0, 0, 0, 1]);
        if ('align' in changed) field.style.textAlign = ['left', 'center', 'right'].includes(p.align) ? p.align : 'left';
        if ('secure' in changed && !multiline) field.type = p.secure ? 'password' : 'text';
        if ('keyboard' in changed) field.inputMode = INPUT_MODES[p.keyboard] || 'text';
        if ('returnKey' in changed) field.enterKeyHint = ENTER_HINTS[p.returnKey] || 'enter';
        if ('editable' in changed) field.readOnly = p.editable === false;
        let focusedHere = false;
        if ('focused' in changed) {
            if (p.focused && document.activeElement !== field && !field.isConnected) {
                // A field made in this message is put in its place after it is drawn: focus it then.
                queueMicrotask(() => {
                    if (rec.content !== field || !rec.props.focused || !field.isConnected) return;
                    if (document.activeElement === field) return;
                    field.focus({ preventScroll: true });
                    const [start, length] = Array.isArray(rec.props.selection) ? rec.props.selection : [0, 0];
                    field.setSelectionRange(start, start + length);
                });
            } else if (p.focused && document.activeElement !== field) {
                field.focus({ preventScroll: true });
                focusedHere = true;
            } else if (!p.focused && document.activeElement === field) {
                field.blur();
            }
        }
        // The program's own selection is shown; its answers to selections made here are not
        // written back over newer ones.
        const programsSelection = 'selection' in changed && !answered(rec.reported, p.selection);
        if ('selection' in changed && Array.isArray(p.selection)) rec.known = p.selection;
        if ((programsSelection || focusedHere) && Array.isArray(p.selection)
            && document.activeElement === field && rec.unanswered.length === 0) {
            const [start, length] = p.selection;
            if (field.selectionStart !== start || field.selectionEnd !== start + length)
                field.setSelectionRange(start, start + length);
        }
    }

    // The program has handled the page's messages up to the number `input`. An input whose edits
    // are all among them shows the value the program keeps: a value that answered several edits
    // handled in one turn may have matched an earlier one of them (an edit the program refused
    // leaves the text as it was before), and would otherwise leave the refused text standing.
    function handled(screen, input) {
        for (const rec of screen.elements.values()) {
            const field = rec.content;
            if (rec.kind !== 'input' || !field || !rec.lastEdit || rec.lastEdit > input || rec.composing) continue;
            rec.lastEdit = 0;
            rec.unanswered = [];
            const value = String(rec.props.value ?? '');
            if (field.value === value) continue;
            field.value = value;
            if (document.activeElement === field && Array.isArray(rec.props.selection)) {
                const [start, length] = rec.props.selection;
                field.setSelectionRange(start, start + length);
            }
        }
    }

    window.orvaInputs = { render, handled };
})();
