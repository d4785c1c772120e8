// The device's screen: builds the view tree that the program sends (a whole tree, then one patch
// per turn) as absolutely positioned elements in device points, and runs its animations as CSS
// transitions. It draws only; what the person does goes back through device.js.
'use strict';

(function () {
    const CURVES = {
        easeInOut: 'cubic-bezier(0.42, 0, 0.58, 1)',
        easeIn: 'cubic-bezier(0.42, 0, 1, 1)',
        easeOut: 'cubic-bezier(0, 0, 0.58, 1)',
        linear: 'linear',
    };
    // The CSS properties behind each animated property, and on which node of the element they are.
    const ANIMATED = {
        center: { node: 'node', css: ['left', 'top'] },
        size: { node: 'node', css: ['width', 'height'] },
        origin: { node: 'kids', css: ['transform'] },
        transform: { node: 'node', css: ['transform'] },
        alpha: { node: 'node', css: ['opacity'] },
        background: { node: 'node', css: ['background-color'] },
    };
    const BOX = new Set(['center', 'size', 'origin', 'transform', 'alpha', 'hidden', 'tag', 'background',
        'backgroundPattern', 'backgroundImage', 'imageAdjust', 'borderWidth', 'borderColor', 'cornerRadius', 'clips', 'interactive', 'passesTouches', 'taps']);

    const rgba = (c) => (Array.isArray(c) && c.length === 4
        ? `rgba(${Math.round(c[0] * 255)}, ${Math.round(c[1] * 255)}, ${Math.round(c[2] * 255)}, ${c[3]})`
        : 'transparent');
    const num = (v, d = 0) => (typeof v === 'number' && Number.isFinite(v) ? v : d);

    // One FontFace per font file, under a family name of its own.
    const faces = new Map();
    function faceOf(font) {
        const file = String(font.file || 'DejaVuSans.ttf');
        let face = faces.get(file);
        if (!face) {
            const family = 'orva ' + file.replace(/[^A-Za-z0-9_-]/g, '_');
            const fontFace = new FontFace(family, `url("fonts/${encodeURIComponent(file)}")`);
            document.fonts.add(fontFace);
            face = { family, loaded: fontFace.load().catch(() => null) };
            faces.set(file, face);
        }
        return face;
    }
    function applyFont(style, font) {
        if (!font) return;
        style.fontFamily = `"${faceOf(font).family}"`;
        style.fontSize = num(font.size, 17) + 'px';
        style.lineHeight = num(font.lineHeight, num(font.size, 17) * 1.2) + 'px';
        style.fontWeight = 'normal';  // the file is the weight and the slant
        style.fontStyle = 'normal';
    }

    let measureContext = null;
    function widthOf(text, font) {
        if (!measureContext) {
            measureContext = document.createElement('canvas').getContext('2d');
            measureContext.fontKerning = 'none';
        }
        measureContext.font = `${num(font.size, 17)}px "${faceOf(font).family}"`;
        return measureContext.measureText(text).width;
    }
    // One line cut to the width with an ellipsis at its head or in its middle.
    function truncated(text, font, width, mode) {
        if (widthOf(text, font) <= width) return text;
        const chars = Array.from(text);
        const make = (keep) => {
            if (mode === 'truncateHead') return '…' + chars.slice(chars.length - keep).join('');
            const head = Math.ceil(keep / 2);
            return chars.slice(0, head).join('') + '…' + chars.slice(chars.length - (keep - head)).join('');
        };
        let low = 0;
        let high = chars.length;
        while (low < high) {
            const mid = Math.ceil((low + high) / 2);
            if (widthOf(make(mid), font) <= width) low = mid; else high = mid - 1;
        }
        return make(low);
    }

    // PNG bytes in base64 as a picture to draw.
    function decodePNG(base64) {
        const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
        return createImageBitmap(new Blob([bytes], { type: 'image/png' }));
    }

    // The images of nine-part layers by address, loaded once.
    const ninePartImages = new Map();

    class Screen {
        constructor(host) {
            this.host = host;
            this.elements = new Map();
            this.root = null;
            this.seq = 0;
            this.resources = '';
            this.pending = [];  // animations waiting for the style flush
            this.drawing = 0;   // drawn views' pictures still decoding
            this.tilesPainted = 0;  // tiles of drawn views painted so far (for tests)
            // Animation frames counted since the last patch, up to two. The first is asked for with
            // the patch: a page that asks for a frame gets it within the browser's current frame
            // where it can, while a change alone waits for the next. The second only when someone
            // asks whether the page is at rest (the tests do), so that a patch makes no frame
            // beyond the one that draws it, and a page at rest costs nothing (transitions run
            // without it).
            this.framesSincePatch = 0;
            this.counting = false;
            this.asked = false;
        }

        // A patch came, or a drawing was painted: the count of frames begins again.
        changed() {
            this.framesSincePatch = 0;
            this.asked = false;
            this.countFrames();
        }

        // The program has handled a message: what it did in that turn may start animations in the
        // frames to come, so the count begins again; the frames are asked for only when someone asks
        // whether the page is at rest (the patch of that turn, which came first, asked for the one
        // that draws it).
        turnHandled() {
            this.framesSincePatch = 0;
            this.asked = false;
        }

        countFrames() {
            if (this.counting) return;
            this.counting = true;
            requestAnimationFrame(() => {
                this.counting = false;
                this.framesSincePatch += 1;
                if (this.framesSincePatch < 2 && this.asked) this.countFrames();
            });
        }

        // Whether the screen has come to rest: a tree is shown, the last patch has been applied and
        // painted (two frames have passed since), and no animation runs or waits to start on the
        // screen. A turn at an even pace does not count: that is a spinner, which turns step by
        // step for as long as it shows (no other view turns linearly). Tests wait on this state
        // instead of waiting for a time.
        settled() {
            if (this.framesSincePatch < 2) {
                this.asked = true;
                this.countFrames();
            }
            if (!this.root || this.pending.length || this.drawing || this.framesSincePatch < 2) return false;
            if (window.orvaFrames.busy()) return false;
            return !this.host.getAnimations({ subtree: true }).some((a) => {
                if (a.playState !== 'running' && a.playState !== 'pending') return false;
                const target = a.effect?.target;
                const spinning = a.transitionProperty === 'transform'
                    && /(^|, )transform [\d.]+s linear/.test(target?.style.transition ?? '');
                return !spinning;
            });
        }

        imageURL(image) {
            if (image.png) return 'data:image/png;base64,' + image.png;
            return this.resources + String(image.src || '').split('/').map(encodeURIComponent).join('/');
        }

        // Draws an image stretched over a layer: by its caps (nine parts) or whole. The nine parts
        // are put together on a canvas of the layer's size: drawn as separate pieces (a border
        // image) they show seams where they meet whenever the device is scaled by a fraction.
        imageLayer(layer, image, rec) {
            const url = this.imageURL(image);
            const s = layer.style;
            if (Array.isArray(image.caps)) {
                s.backgroundImage = '';
                layer.ninePart = { url, rec, caps: image.caps.map((c) => num(c)), scale: Math.max(1, num(image.scale, 1)) };
                this.drawNinePart(layer);
            } else {
                delete layer.ninePart;
                layer.querySelector(':scope > canvas.ninepart')?.remove();
                s.backgroundImage = `url("${url}")`;
                s.backgroundSize = '100% 100%';
            }
        }

        // The picture of a layer's nine parts at its present size, once the image has loaded.
        drawNinePart(layer) {
            const part = layer.ninePart;
            if (!part) return;
            let picture = ninePartImages.get(part.url);
            if (!picture) {
                picture = new Image();
                picture.src = part.url;
                ninePartImages.set(part.url, picture);
            }
            if (!picture.complete) {
                picture.addEventListener('load', () => this.drawNinePart(layer), { once: true });
                return;
            }
            let canvas = layer.querySelector(':scope > canvas.ninepart');
            if (!canvas) {
                canvas = document.createElement('canvas');
                canvas.className = 'ninepart';
                layer.prepend(canvas);
            }
            const k = part.scale;
            // The element's size in points, as set (the layer covers it), whether laid out yet or not.
            const style = part.rec.node.style;
            const width = Math.max(1, Math.round((parseFloat(style.width) || 0) * k));
            const height = Math.max(1, Math.round((parseFloat(style.height) || 0) * k));
            canvas.width = width;
            canvas.height = height;
            const context = canvas.getContext('2d');
            context.clearRect(0, 0, width, height);
            const iw = picture.naturalWidth;
            const ih = picture.naturalHeight;
            if (!iw || !ih) return;
            // Caps top, right, bottom, left in points; in the image's pixels and the canvas's.
            const [top, right, bottom, left] = part.caps;
            const source = { x: [0, left * part.scale, iw - right * part.scale, iw],
                y: [0, top * part.scale, ih - bottom * part.scale, ih] };
            // Caps larger than the layer share its size in proportion.
            const fit = (a, b, size) => {
                const total = (a + b) * k;
                const f = total > size ? size / total : 1;
                return [0, Math.round(a * k * f), size - Math.round(b * k * f), size];
            };
            const target = { x: fit(left, right, width), y: fit(top, bottom, height) };
            for (let row = 0; row < 3; ++row) {
                for (let col = 0; col < 3; ++col) {
                    const sw = source.x[col + 1] - source.x[col];
                    const sh = source.y[row + 1] - source.y[row];
                    const dw = target.x[col + 1] - target.x[col];
                    const dh = target.y[row + 1] - target.y[row];
                    if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) continue;
                    context.drawImage(picture, source.x[col], source.y[row], sw, sh, target.x[col], target.y[row], dw, dh);
                }
            }
        }

        // Layers of nine parts below the element follow its new size.
        redrawNineParts(rec) {
            for (const layer of rec.node.querySelectorAll(':scope > .bgimage, :scope > .image')) {
                if (layer.ninePart) this.drawNinePart(layer);
            }
        }

        // --- messages -------------------------------------------------------------------------

        apply(message) {
            if (message.type === 'tree') this.tree(message);
            else if (message.type === 'patch') this.patch(message);
            this.changed();
        }

        tree(message) {
            window.orvaFrames.reset();
            for (const rec of this.elements.values()) rec.node.remove();
            this.elements.clear();
            this.host.replaceChildren();
            this.seq = message.seq;
            const elements = Array.isArray(message.elements) ? message.elements : [];
            for (const e of elements) this.create(e);
            for (const e of elements) this.placeChildren(e.id, e.children);
            this.root = this.elements.get(message.root) || null;
            if (this.root) {
                this.root.isRoot = true;
                this.placeRoot();
                this.host.append(this.root.node);
            }
            this.startAnimations();
        }

        patch(message) {
            if (!this.root) return;  // a patch belongs to a tree
            if (message.seq !== this.seq + 1) console.warn('display: patch', message.seq, 'after', this.seq);
            this.seq = message.seq;
            const created = message.create || [];
            for (const e of created) this.create(e);
            for (const e of created) this.placeChildren(e.id, e.children);
            for (const c of message.children || []) this.placeChildren(c.id, c.children);
            for (const id of message.remove || []) {
                const rec = this.elements.get(id);
                if (!rec) continue;
                rec.node.remove();
                this.elements.delete(id);
            }
            for (const u of message.update || []) {
                const rec = this.elements.get(u.id);
                if (rec) this.setProps(rec, u.props || {}, u.animate);
            }
            this.startAnimations();
        }

        // --- elements -------------------------------------------------------------------------

        create(e) {
            const node = document.createElement('div');
            node.className = 'el';
            node.dataset.id = e.id;
            node.dataset.kind = e.kind;
            const kids = document.createElement('div');
            kids.className = 'kids';
            node.append(kids);
            const rec = { id: e.id, kind: e.kind, node, kids, content: null, props: {}, transitions: new Map() };
            rec.transitions.set(node, new Map());
            rec.transitions.set(kids, new Map());
            this.elements.set(e.id, rec);
            this.setProps(rec, e.props || {}, e.animate);
            rec.ready = true;
            return rec;
        }

        // Makes the element's children exactly these, in order, moving as few nodes as it can.
        placeChildren(id, ids) {
            const rec = this.elements.get(id);
            if (!rec || !Array.isArray(ids)) return;
            let ref = rec.kids.firstChild;
            for (const childId of ids) {
                const child = this.elements.get(childId);
                if (!child) continue;
                if (child.node === ref) {
                    ref = ref.nextSibling;
                    continue;
                }
                try {
                    // moves without dropping the node's state where the browser can
                    if (rec.kids.moveBefore && child.node.isConnected && rec.kids.isConnected) {
                        rec.kids.moveBefore(child.node, ref);
                        continue;
                    }
                } catch (err) { /* falls back to a plain move */ }
                rec.kids.insertBefore(child.node, ref);
            }
        }

        // The root's rectangle is the screen: its top-left corner at the screen's.
        placeRoot() {
            const size = this.root.props.size || [0, 0];
            this.root.node.style.left = num(size[0]) / 2 + 'px';
            this.root.node.style.top = num(size[1]) / 2 + 'px';
        }

        setTransition(rec, target, cssNames, timing) {
            const map = rec.transitions.get(target);
            for (const name of cssNames) {
                if (timing) map.set(name, `${name} ${timing.duration}s ${timing.curve} ${timing.delay}s`);
                else map.delete(name);
            }
            target.style.transition = map.size ? [...map.values()].join(', ') : 'none';
        }

        setProps(rec, props, animate) {
            let kindDirty = false;
            for (const [name, value] of Object.entries(props)) {
                rec.props[name] = value;
                if (name === 'size' && rec.kind === 'text') kindDirty = true;  // truncation follows the width
                if (!BOX.has(name)) {
                    kindDirty = true;
                    continue;
                }
                const animated = ANIMATED[name];
                const a = animate && animate[name];
                if (animated) {
                    const target = rec[animated.node];
                    // A property set without an animation stops the one running.
                    this.setTransition(rec, target, animated.css, null);
                    if (a && typeof a === 'object' && num(a.duration) > 0) {
                        this.boxProp(rec, name, a.from);
                        this.pending.push({ rec, name, value, target, css: animated.css, timing: {
                            duration: num(a.duration),
                            delay: num(a.delay),
                            curve: CURVES[a.curve] || CURVES.easeInOut,
                        } });
                        continue;
                    }
                }
                this.boxProp(rec, name, value);
            }
            if (kindDirty || !rec.ready) this.renderKind(rec, props);
        }

        // Moves every animation of the message from its start to its end, after one style flush.
        startAnimations() {
            if (!this.pending.length) return;
            const pending = this.pending;
            this.pending = [];
            void this.host.offsetWidth;
            for (const p of pending) {
                this.setTransition(p.rec, p.target, p.css, p.timing);
                this.boxProp(p.rec, p.name, p.value);
            }
        }

        boxProp(rec, name, value) {
            const s = rec.node.style;
            switch (name) {
                case 'center':
                    if (rec.isRoot) break;
                    s.left = num(value[0]) + 'px';
                    s.top = num(value[1]) + 'px';
                    break;
                case 'size':
                    s.width = Math.max(0, num(value[0])) + 'px';
                    s.height = Math.max(0, num(value[1])) + 'px';
                    if (rec.isRoot) this.placeRoot();
                    this.updateIndicators(rec, false);
                    this.redrawNineParts(rec);
                    break;
                case 'origin':
                    rec.kids.style.transform = `translate(${-num(value[0])}px, ${-num(value[1])}px)`;
                    this.updateIndicators(rec, !!rec.ready);
                    break;
                case 'transform': {
                    const t = Array.isArray(value) && value.length === 6 ? value.map((v) => num(v)) : [1, 0, 0, 1, 0, 0];
                    s.transform = `translate(-50%, -50%) matrix(${t.join(', ')})`;
                    break;
                }
                case 'alpha':
                    s.opacity = Math.min(1, Math.max(0, num(value, 1)));
                    // As good as gone for touches, as on the C++ side.
                    rec.node.classList.toggle('faded', num(value, 1) < 0.01);
                    break;
                case 'passesTouches':
                    rec.node.classList.toggle('passes', !!value);
                    break;
                case 'hidden':
                    s.display = value ? 'none' : '';
                    break;
                case 'tag':
                    rec.node.dataset.tag = num(value);
                    break;
                case 'background':
                    s.backgroundColor = rgba(value);
                    break;
                case 'backgroundPattern': {
                    // Tiles at the image's size in points, from the top-left corner.
                    const layer = this.backgroundLayer(rec, 'bgpattern', value);
                    if (!layer) break;
                    const size = Array.isArray(value.size) ? value.size : [0, 0];
                    layer.style.backgroundImage = `url("${this.imageURL(value)}")`;
                    layer.style.backgroundSize = `${Math.max(1, num(size[0]))}px ${Math.max(1, num(size[1]))}px`;
                    break;
                }
                case 'backgroundImage': {
                    const layer = this.backgroundLayer(rec, 'bgimage', value);
                    if (layer) this.imageLayer(layer, value, rec);
                    break;
                }
                case 'imageAdjust':
                    rec.node.dataset.adjust = value === 'darker' || value === 'paler' ? value : 'none';
                    break;
                case 'borderWidth':
                    s.setProperty('--border-width', Math.max(0, num(value)) + 'px');
                    break;
                case 'borderColor':
                    s.setProperty('--border-color', rgba(value));
                    break;
                case 'cornerRadius':
                    s.borderRadius = Math.max(0, num(value)) + 'px';
                    break;
                case 'clips':
                    rec.node.classList.toggle('clips', !!value);
                    break;
                case 'taps':
                    // The page shows a hand over it (see the pointer's moves in device.js).
                    rec.node.dataset.taps = value ? 'true' : 'false';
                    break;
                case 'interactive':
                    rec.node.dataset.interactive = value ? 'true' : 'false';
                    // Switching a view off ends a text selection in it.
                    if (!value) {
                        const selection = document.getSelection();
                        if (selection && selection.rangeCount && rec.node.contains(selection.anchorNode))
                            selection.removeAllRanges();
                        if (rec.node.contains(document.activeElement)) document.activeElement.blur();
                        window.orvaFrames.endSelectionsWithin(rec.node);
                    }
                    break;
            }
        }

        // An element's background layer of a class: made when a value asks for one, removed when
        // none does. The pattern's layer lies under the background image's, both under the content.
        backgroundLayer(rec, className, value) {
            let layer = rec.node.querySelector(`:scope > .${className}`);
            if (!value) {
                if (layer) layer.remove();
                return null;
            }
            if (!layer) {
                layer = document.createElement('div');
                layer.className = className;
                const pattern = className === 'bgimage' && rec.node.querySelector(':scope > .bgpattern');
                if (pattern) pattern.after(layer);
                else rec.node.prepend(layer);
            }
            return layer;
        }

        // The program ended a selection in an element: the page drops it too.
        endSelection(id) {
            const rec = this.elements.get(id);
            if (!rec) return;
            if (rec.kind === 'frame') {
                window.orvaFrames.endSelection(rec);
                return;
            }
            const field = rec.content;
            if (field && (field.tagName === 'INPUT' || field.tagName === 'TEXTAREA') && field.selectionEnd !== null) {
                field.setSelectionRange(field.selectionEnd, field.selectionEnd);
                return;
            }
            const selection = document.getSelection();
            if (selection && selection.rangeCount && rec.node.contains(selection.anchorNode)) selection.removeAllRanges();
        }

        // --- kinds ----------------------------------------------------------------------------

        content(rec, tagName, className) {
            if (rec.content && rec.content.tagName === tagName.toUpperCase()) return rec.content;
            const node = document.createElement(tagName);
            node.className = 'content ' + className;
            if (rec.content) rec.content.replaceWith(node);
            else rec.kids.before(node);
            rec.content = node;
            return node;
        }

        renderKind(rec, changed) {
            switch (rec.kind) {
                case 'text': return this.renderText(rec, changed);
                case 'image': return this.renderImage(rec);
                case 'bitmap': return this.renderBitmap(rec, changed || rec.props);
                case 'input': return window.orvaInputs.render(this, rec, changed);
                case 'scroll': return this.updateIndicators(rec, false);
                case 'frame': return this.renderFrame(rec);
                default: return undefined;  // a box draws nothing of its own
            }
        }

        renderText(rec, changed) {
            const p = rec.props;
            const box = this.content(rec, 'div', 'text');
            let line = box.firstChild;
            const lines = Math.max(0, Math.floor(num(p.lines)));
            const mode = p.lineBreak || 'truncateTail';
            const text = String(p.text ?? '');
            const cut = lines === 1 && (mode === 'truncateHead' || mode === 'truncateMiddle');
            // Only the words changed (a count, a clock): the line keeps its look and its text node,
            // which takes the new words, so that nothing but the line is laid out again.
            const words = line?.firstChild;
            if (!cut && changed && Object.keys(changed).length === 1 && 'text' in changed
                && words?.nodeType === Node.TEXT_NODE && !words.nextSibling) {
                words.data = text;
                return;
            }
            if (!line) {
                line = document.createElement('span');
                box.append(line);
            }
            const font = p.font || { size: 17, lineHeight: 20, file: 'DejaVuSans.ttf' };
            const s = line.style;
            applyFont(s, font);
            s.color = rgba(p.color || [0, 0, 0, 1]);
            box.style.textAlign = ['left', 'center', 'right'].includes(p.align) ? p.align : 'left';
            const shadow = p.shadowColor && p.shadowColor[3] > 0;
            const offset = p.shadowOffset || [0, 0];
            s.textShadow = shadow ? `${num(offset[0])}px ${num(offset[1])}px 0 ${rgba(p.shadowColor)}` : 'none';

            line.className = 'mode-' + (lines === 1 ? 'single' : 'multi');
            s.webkitLineClamp = '';
            s.maxHeight = lines > 0 ? lines * num(font.lineHeight, 20) + 'px' : 'none';
            s.wordBreak = mode === 'charWrap' ? 'break-all' : '';
            s.textOverflow = lines === 1 && mode === 'truncateTail' ? 'ellipsis' : 'clip';
            if (lines > 1 && mode === 'truncateTail') {
                line.className = 'mode-clamp';
                s.webkitLineClamp = String(lines);
            }
            line.textContent = cut ? truncated(text, font, num((p.size || [0])[0]), mode) : text;
            if (cut) faceOf(font).loaded.then(() => {
                if (this.elements.get(rec.id) === rec) line.textContent = truncated(text, font, num((rec.props.size || [0])[0]), mode);
            });
        }

        renderImage(rec) {
            const box = this.content(rec, 'div', 'image');
            const image = rec.props.image;
            box.replaceChildren();
            box.removeAttribute('style');
            if (!image) return;
            const mode = rec.props.contentMode || 'scaleToFill';
            if (Array.isArray(image.caps) && mode === 'scaleToFill') {
                this.imageLayer(box, image, rec);
                return;
            }
            const img = document.createElement('img');
            img.draggable = false;
            img.alt = '';
            img.src = this.imageURL(image);
            const fit = { scaleToFill: 'fill', aspectFit: 'contain', aspectFill: 'cover' }[mode];
            if (fit) {
                img.className = 'fill';
                img.style.objectFit = fit;
            } else {
                // unscaled, placed by the mode's name
                const size = image.size || [0, 0];
                img.style.width = num(size[0]) + 'px';
                img.style.height = num(size[1]) + 'px';
                const lower = mode.toLowerCase();
                const x = lower.includes('left') ? '0%' : lower.includes('right') ? '100%' : '50%';
                const y = lower.includes('top') ? '0%' : lower.includes('bottom') ? '100%' : '50%';
                img.style.left = x;
                img.style.top = y;
                img.style.transform = `translate(-${x}, -${y})`;
            }
            box.append(img);
        }

        // A drawn view is a canvas of the drawing's pixels, stretched over the element: a whole
        // drawing replaces it, changed tiles are painted over their place. Pictures decode one
        // after another in the order they came, so a tile never lands under an older drawing.
        renderBitmap(rec, changed) {
            const canvas = this.content(rec, 'canvas', 'bitmap');
            const image = 'image' in changed ? changed.image : undefined;
            const tiles = Array.isArray(changed.tiles) ? changed.tiles : [];
            delete rec.props.tiles;  // applied once; the element keeps no copy
            if (image === undefined && !tiles.length) return;
            this.draw(rec, async () => {
                if (image !== undefined) {
                    if (!image || !image.png) {
                        canvas.width = 0;
                        canvas.height = 0;
                        return;
                    }
                    const picture = await decodePNG(image.png);
                    canvas.width = picture.width;
                    canvas.height = picture.height;
                    canvas.getContext('2d').drawImage(picture, 0, 0);
                    picture.close();
                }
                const context = canvas.getContext('2d');
                const pictures = await Promise.all(tiles.map((t) => decodePNG(t.png)));
                tiles.forEach((t, i) => {
                    const [x, y, w, h] = Array.isArray(t.rect) ? t.rect.map((v) => num(v)) : [0, 0, 0, 0];
                    context.clearRect(x, y, w, h);
                    context.drawImage(pictures[i], x, y);
                    pictures[i].close();
                    this.tilesPainted += 1;
                });
            });
        }

        // Runs a drawing step after the element's earlier ones; the page is not settled before
        // every step has run.
        draw(rec, step) {
            this.drawing += 1;
            rec.drawing = (rec.drawing || Promise.resolve()).then(step)
                .catch((err) => console.warn('display: a drawing that does not decode', err))
                .finally(() => {
                    this.drawing -= 1;
                    this.changed();
                });
        }

        renderFrame(rec) {
            window.orvaFrames.render(this, rec);
        }

        // Scroll indicators appear while the offset changes and fade soon after.
        updateIndicators(rec, show) {
            if (rec.kind !== 'scroll' || !rec.props.indicators) return;
            const size = rec.props.size || [0, 0];
            const content = rec.props.contentSize || [0, 0];
            const origin = rec.props.origin || [0, 0];
            let bars = rec.node.querySelector(':scope > .indicators');
            if (!bars) {
                bars = document.createElement('div');
                bars.className = 'indicators';
                bars.innerHTML = '<div class="bar vertical"></div><div class="bar horizontal"></div>';
                rec.node.append(bars);
            }
            const place = (bar, visible, length, total, offset, vertical) => {
                bar.style.display = visible ? '' : 'none';
                if (!visible) return;
                const extent = Math.max(12, (length * length) / total);
                const at = Math.min(length - extent, Math.max(0, (offset / (total - length)) * (length - extent)));
                bar.style[vertical ? 'top' : 'left'] = at + 'px';
                bar.style[vertical ? 'height' : 'width'] = extent + 'px';
            };
            place(bars.children[0], num(content[1]) > num(size[1]), num(size[1]), num(content[1]), num(origin[1]), true);
            place(bars.children[1], num(content[0]) > num(size[0]), num(size[0]), num(content[0]), num(origin[0]), false);
            if (!show) return;
            bars.classList.add('showing');
            clearTimeout(rec.indicatorTimer);
            rec.indicatorTimer = setTimeout(() => bars.classList.remove('showing'), 600);
        }
    }

    window.OrvaScreen = Screen;
    window.orvaFonts = { applyFont, rgba, num };
})();
