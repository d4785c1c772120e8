// The picture of the device: its screen scaled to fit the window and turned as the device turns,
// the controls around it (rotate left and right, shake, home), and what goes between the person
// and the program: pointers and the wheel in device points, the page's visibility, vibration and
// sounds, and links handed to the browser.
'use strict';

(function () {
    const BEZELS = {
        phone: { side: 18, top: 70, bottom: 70, radius: 44 },
        tablet: { side: 44, top: 60, bottom: 60, radius: 40 },
    };
    // Clockwise degrees of the device for each orientation (face up and down show as portrait).
    const ANGLES = { 1: 0, 2: 180, 3: -90, 4: 90 };
    // Where the page keeps whether the device is shown at its actual size.
    const ACTUAL_SIZE_KEY = 'orvakit.actualSize';
    const OPENABLE = /^(https?:\/\/[^\s/]|mailto:|tel:|skype:)/i;

    const stage = document.getElementById('stage');
    const picture = document.getElementById('device');
    const screenNode = document.getElementById('screen');
    const overlay = document.getElementById('home-screen');
    const linkBar = document.getElementById('link-bar');
    const sizer = document.getElementById('stage-sizer');
    const actualSizeButton = document.getElementById('actual-size');
    const screen = new window.OrvaScreen(screenNode);
    window.orvaFrames.attach(screen);
    const send = (message) => window.orvaConnection.send(message);

    const state = {
        idiom: 'phone',
        size: [320, 480],
        angle: 0,  // where the picture is turned to, in clockwise degrees (not wrapped)
        scale: 1,
        actualSize: (() => {
            try {
                return window.localStorage.getItem(ACTUAL_SIZE_KEY) === '1';
            } catch (e) {
                return false;
            }
        })(),
        application: 'active',
        effects: [],  // what the program asked to play, for whoever looks
        opened: [],   // the links handed to the browser
    };

    // --- the picture --------------------------------------------------------------------------

    function layout() {
        const bezel = BEZELS[state.idiom];
        const width = state.size[0] + 2 * bezel.side;
        const height = state.size[1] + bezel.top + bezel.bottom;
        picture.style.width = width + 'px';
        picture.style.height = height + 'px';
        picture.style.borderRadius = bezel.radius + 'px';
        screenNode.style.left = bezel.side + 'px';
        screenNode.style.top = bezel.top + 'px';
        screenNode.style.width = state.size[0] + 'px';
        screenNode.style.height = state.size[1] + 'px';
        for (const key of ['left', 'top', 'width', 'height']) overlay.style[key] = screenNode.style[key];
        // The phone keeps the scale it has upright when it turns, made smaller only where the
        // turned phone would not fit the window (it would otherwise grow to twice its size in a
        // wide window, under the page's own controls).
        const sideways = Math.abs(state.angle / 90) % 2 === 1;
        const room = stage.getBoundingClientRect();
        const fit = (w, h) => Math.min((room.width - 16) / w, (room.height - 16) / h);
        const now = sideways ? fit(height, width) : fit(width, height);
        const upright = state.idiom === 'phone' ? fit(width, height) : now;
        // At actual size a device point is a pixel of the page, and the stage scrolls around the
        // device where the window is too small for it.
        state.scale = state.actualSize ? 1 : Math.max(0.05, Math.min(upright, now));
        const [boxWidth, boxHeight] = sideways ? [height, width] : [width, height];
        const centre = state.actualSize
            ? [Math.max(room.width / 2, boxWidth / 2 + 8), Math.max(room.height / 2, boxHeight / 2 + 8)]
            : null;
        picture.style.left = centre ? `${centre[0]}px` : '';
        picture.style.top = centre ? `${centre[1]}px` : '';
        stage.classList.toggle('actual-size', state.actualSize);
        sizer.style.width = centre ? `${2 * centre[0]}px` : '0';
        sizer.style.height = centre ? `${2 * centre[1]}px` : '0';
        actualSizeButton.setAttribute('aria-pressed', String(state.actualSize));
        picture.style.transform = `translate(-50%, -50%) rotate(${state.angle}deg) scale(${state.scale})`;
    }

    // The actual-size view, kept in the page's local storage.
    function setActualSize(on) {
        state.actualSize = on;
        try {
            window.localStorage.setItem(ACTUAL_SIZE_KEY, on ? '1' : '0');
        } catch (e) {
            // A page without storage still switches; it only forgets the choice.
        }
        layout();
    }

    function turnTo(orientation) {
        const target = ANGLES[orientation] ?? 0;
        let delta = (((target - state.angle) % 360) + 360) % 360;
        if (delta > 180) delta -= 360;
        state.angle += delta;  // the shorter way round
        picture.dataset.orientation = orientation;
        layout();
    }

    // A point of the window to the device's points (the root's coordinates).
    function toDevice(clientX, clientY) {
        const bezel = BEZELS[state.idiom];
        // The picture turns and scales about its middle, which is the middle of its box on the page
        // (wherever the stage is scrolled to).
        const box = picture.getBoundingClientRect();
        const dx = clientX - (box.left + box.width / 2);
        const dy = clientY - (box.top + box.height / 2);
        const a = (-state.angle * Math.PI) / 180;
        const x = (dx * Math.cos(a) - dy * Math.sin(a)) / state.scale;
        const y = (dx * Math.sin(a) + dy * Math.cos(a)) / state.scale;
        const width = state.size[0] + 2 * bezel.side;
        const height = state.size[1] + bezel.top + bezel.bottom;
        return [x + width / 2 - bezel.side, y + height / 2 - bezel.top];
    }
    // A movement of the window (the wheel's) as a movement on the device.
    function deltaToDevice(dx, dy) {
        const a = (-state.angle * Math.PI) / 180;
        return [(dx * Math.cos(a) - dy * Math.sin(a)) / state.scale, (dx * Math.sin(a) + dy * Math.cos(a)) / state.scale];
    }

    window.addEventListener('resize', layout);

    // --- pointers and the wheel ----------------------------------------------------------------

    const down = new Set();
    const isField = (target) => target instanceof HTMLInputElement || target instanceof HTMLTextAreaElement;

    function pointer(phase, event) {
        const [x, y] = toDevice(event.clientX, event.clientY);
        send({ type: 'pointer', phase, id: event.pointerId, x, y });
    }

    screenNode.addEventListener('pointerdown', (event) => {
        if (event.pointerType === 'mouse' && event.button !== 0) return;
        ensureAudio();
        down.add(event.pointerId);
        // An input keeps the browser's own caret placing and selecting; elsewhere the program
        // alone decides what a touch does.
        if (!isField(event.target)) {
            event.preventDefault();
            screenNode.setPointerCapture(event.pointerId);
        }
        pointer('down', event);
    });
    screenNode.addEventListener('pointermove', (event) => {
        if (down.has(event.pointerId)) pointer('move', event);
        else showTapCursor(event);
    });
    // A hand over what takes a tap: the topmost view under the pointer that takes touches decides
    // (views that take none, drawn over it, let it through, as the program's own hit test does).
    function showTapCursor(event) {
        let cursor = '';
        for (const node of document.elementsFromPoint(event.clientX, event.clientY)) {
            if (!screenNode.contains(node) || node === screenNode) break;
            if (!node.classList.contains('el') || node.dataset.interactive === 'false') continue;
            if (node.dataset.taps === 'true') cursor = 'pointer';
            break;
        }
        screenNode.style.cursor = cursor;
    }
    for (const [type, phase] of [['pointerup', 'up'], ['pointercancel', 'cancel']]) {
        screenNode.addEventListener(type, (event) => {
            if (!down.delete(event.pointerId)) return;
            pointer(phase, event);
        });
    }
    screenNode.addEventListener('lostpointercapture', (event) => {
        if (down.delete(event.pointerId)) pointer('cancel', event);
    });
    screenNode.addEventListener('wheel', (event) => {
        event.preventDefault();
        const unit = event.deltaMode === 1 ? 20 : event.deltaMode === 2 ? state.size[1] : 1;
        const [x, y] = toDevice(event.clientX, event.clientY);
        const [dx, dy] = deltaToDevice(event.deltaX * unit, event.deltaY * unit);
        send({ type: 'wheel', x, y, dx, dy });
    }, { passive: false });
    screenNode.addEventListener('dragstart', (event) => event.preventDefault());

    // --- the controls around the device ---------------------------------------------------------

    const controls = {
        'rotate-left': () => send({ type: 'rotate', direction: 'left' }),
        'rotate-right': () => send({ type: 'rotate', direction: 'right' }),
        shake: () => {
            send({ type: 'shake' });
            jiggle();
        },
        home: () => send({ type: 'home' }),
        'home-button': () => send({ type: 'home' }),
        reopen: () => send({ type: 'activate' }),
        'actual-size': () => setActualSize(!state.actualSize),
    };
    for (const [id, action] of Object.entries(controls)) {
        document.getElementById(id).addEventListener('click', () => {
            ensureAudio();
            action();
        });
    }

    function jiggle() {
        picture.classList.remove('jiggle');
        void picture.offsetWidth;
        picture.classList.add('jiggle');
    }

    function showApplicationState() {
        overlay.hidden = state.application !== 'background';
    }

    // The page's visibility: hidden sends the application to the background, shown again makes
    // it active. (Closing the tab does the same through the closed connection.)
    const sendVisibility = () => send({ type: 'visibility', visible: document.visibilityState === 'visible' });
    document.addEventListener('visibilitychange', sendVisibility);

    // --- effects and links -----------------------------------------------------------------------

    let audio = null;
    const sounds = new Map();
    function ensureAudio() {
        if (!audio && window.AudioContext) audio = new AudioContext();
        if (audio && audio.state === 'suspended') audio.resume().catch(() => {});
    }

    function tick() {
        const oscillator = audio.createOscillator();
        const gain = audio.createGain();
        oscillator.frequency.value = 1200;
        gain.gain.setValueAtTime(0.2, audio.currentTime);
        gain.gain.exponentialRampToValueAtTime(0.001, audio.currentTime + 0.06);
        oscillator.connect(gain).connect(audio.destination);
        oscillator.start();
        oscillator.stop(audio.currentTime + 0.06);
    }

    async function playFile(path) {
        let buffer = sounds.get(path);
        if (!buffer) {
            const response = await fetch(screen.resources + path.split('/').map(encodeURIComponent).join('/'));
            if (!response.ok) return;
            buffer = await audio.decodeAudioData(await response.arrayBuffer());
            sounds.set(path, buffer);
        }
        const source = audio.createBufferSource();
        source.buffer = buffer;
        source.connect(audio.destination);
        source.start();
    }

    function play(effect) {
        state.effects.push(effect);
        if (effect === 'vibrate') {
            if (navigator.vibrate) navigator.vibrate(400);
            jiggle();
            return;
        }
        if (!effect.startsWith('sound:') || !audio) return;
        const sound = effect.slice(6);
        if (/^\d+$/.test(sound)) tick();
        else playFile(sound).catch((err) => console.warn('display: a sound that does not play', sound, err));
    }

    // An outside link never takes this tab, whatever its scheme: the browser hands a telephone, Skype
    // or mail address to another program, and a tab left on its way there stops showing the
    // device. Each goes to a window of its own (the browser's handler takes it from there); where
    // the browser blocks the window, the link bar offers the link for a click.
    function openOutside(url) {
        const tab = window.open('about:blank', '_blank');
        if (tab) {
            tab.opener = null;
            tab.location.href = url;
            return;
        }
        const link = linkBar.querySelector('a');
        link.href = url;
        link.textContent = url;
        linkBar.hidden = false;
    }

    function open(url) {
        url = String(url);
        if (!OPENABLE.test(url)) {
            console.warn('display: not opening', url);
            return;
        }
        state.opened.push(url);
        openOutside(url);
    }
    linkBar.querySelector('a').addEventListener('click', () => {
        linkBar.hidden = true;
    });

    // --- messages --------------------------------------------------------------------------------

    window.addEventListener('orva-message', (event) => {
        const m = event.detail;
        switch (m && m.type) {
            case 'device':
                state.idiom = m.idiom === 'tablet' ? 'tablet' : 'phone';
                state.size = Array.isArray(m.screen) ? m.screen : state.size;
                screen.resources = typeof m.resources === 'string' ? m.resources : '';
                window.orvaFrames.setShell(m.frameShell);
                picture.dataset.idiom = state.idiom;
                document.title = 'orvakit (' + state.idiom + ')';
                picture.classList.add('no-turn');
                turnTo(m.orientation);
                void picture.offsetWidth;
                picture.classList.remove('no-turn');
                break;
            case 'orientation':
                turnTo(m.orientation);
                break;
            case 'application':
                state.application = m.state;
                showApplicationState();
                break;
            case 'effects':
                for (const effect of m.effects || []) play(String(effect));
                break;
            case 'open':
                open(m.url);
                break;
            case 'endSelection':
                screen.endSelection(m.id);
                break;
            case 'evaluate':
                window.orvaFrames.evaluate(m);
                break;
            case 'document':
                window.orvaFrames.text(m);
                break;
            case 'webGone':
                window.orvaFrames.gone(m.id);
                break;
            case 'tree':
            case 'patch':
                screen.apply(m);
                break;
            case 'handled':
                window.orvaInputs.handled(screen, Number(m.input));
                screen.turnHandled();
                break;
        }
    });
    window.addEventListener('orva-state', (event) => {
        document.body.dataset.connection = event.detail;
        if (event.detail === 'connected' && document.visibilityState !== 'visible') sendVisibility();
    });

    layout();
    // Settled: the program has handled all that the page sent it (a tap's effect is not on its way),
    // the screen is at rest (see OrvaScreen.settled) and so is the picture of the device, which
    // turns and jiggles with animations of its own.
    const settled = () => !window.orvaConnection.awaiting && screen.settled()
        && !picture.getAnimations().some((a) => a.playState === 'running' || a.playState === 'pending');
    window.orvaDevice = { screen, state, toDevice, layout, settled, openOutside };
})();
