// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// The windows' description (form-facts --json) as the page's markup and
// the stylesheet that puts every control at its place. It runs when the
// page is built, so that the form is drawn before any script of the page
// runs.

export function Escaped(text) {
    return text.replace(/[&<>"]/g, (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' })[c]);
}

// A caption as shown: "&&" is one "&", a single "&" marks no key here.
function Shown(text) {
    return Escaped(text.replace(/&(&?)/g, '$1'));
}

// A width or height of 0 is the browser's.
function BoxRule(selector, box) {
    const sizes = ['left', 'top', 'width', 'height'].filter((side) => box[side] !== undefined);
    return `${selector}{${sizes.map((side) => `${side}:${box[side]}px`).join(';')}}`;
}
const PlaceRule = (selector, [left, top, width, height]) =>
    BoxRule(selector, { left, top, width: width || undefined, height: height || undefined });

// The page's markup for one window: its controls as HTML elements, each
// with its name as `id`, in the description's order for making them, so
// that Tab follows its keyboard order; `before` adds markup before the
// named controls.
function WindowMarkup(window, description, logo, before = {}) {
    const controls = window.controls;
    const childrenOf = (name) => controls.filter((control) => control.parent === name);
    const inTabOrder = (name) => childrenOf(name).sort((a, b) => a.order - b.order);
    const hintOf = (label) => controls.find((control) => control.hint === label.name);
    const autofocus = (control) => (control.tabOrder === 1 ? ' autofocus' : '');
    const texts = (text) => `<span class="text">${Shown(text)}</span>`;

    const element = (control) => (before[control.name] ?? '') + controlElement(control);
    const controlElement = (control) => {
        const { name } = control;
        const inside = () => inTabOrder(name).map(element).join('');
        switch (control.kind) {
        case 'statusBar':
            return `<div id="${name}" class="ctl statusbar">${description.statusPanels.map((panel, index) =>
                `<span id="${name}-${index + 1}" class="panel${panel.centred ? ' centred' : ''}"${
                    panel.rightToLeft ? ' dir="rtl"' : ''}>${texts(panel.text)}</span>`).join('')}</div>`;
        case 'tabs': {
            const pages = childrenOf(name);
            const tabs = pages.map((page, index) =>
                `<button type="button" role="tab" id="${page.name}-tab" aria-controls="${page.name}" aria-selected="${
                    index === 0}" tabindex="${index === 0 ? 0 : -1}"${index === 0 ? autofocus(control) : ''}>${
                    texts(page.text)}</button>`).join('');
            return `<div id="${name}-frame" class="ctl tabcontrol"><div id="${name}" role="tablist" class="tablist">${
                tabs}</div>${inside()}</div>`;
        }
        case 'page':
            return `<div id="${name}" role="tabpanel" class="ctl page" aria-labelledby="${name}-tab"${
                childrenOf(control.parent)[0] === control ? '' : ' hidden'}>${inside()}</div>`;
        case 'group':
            return control.text
                ? `<fieldset id="${name}" class="ctl group"><legend id="${name}-caption" class="text">${
                    Shown(control.text)}</legend>${inside()}</fieldset>`
                : `<div id="${name}" class="ctl group">${inside()}</div>`;
        case 'label': {
            const labelled = hintOf(control);
            return labelled?.kind === 'dropDown'
                ? `<label id="${name}" for="${labelled.name}" class="ctl label text">${Shown(control.text)}</label>`
                : `<span id="${name}" class="ctl label text">${Shown(control.text)}</span>`;
        }
        case 'dropDown':
            // Nothing the user chose comes back on a reload, as in the fields.
            return `<select id="${name}" class="ctl dropdown" autocomplete="off"${autofocus(control)}>${control.items.map((item, index) =>
                `<option${index === 0 ? ' selected' : ''}>${Escaped(item)}</option>`).join('')}</select>`;
        case 'edit':
            // Named by its group's caption, described by the hint below it.
            return `<input id="${name}" class="ctl edit" type="text" value="${Escaped(control.text)}" maxlength="${
                control.maxLength}" spellcheck="false" autocomplete="off" autocapitalize="off" aria-labelledby="${
                control.parent}-caption"${control.hint ? ` aria-describedby="${control.hint}"` : ''}${
                autofocus(control)}>`;
        case 'button':
            return `<button type="button" id="${name}" class="ctl button"${autofocus(control)}>${texts(control.text)}</button>`;
        case 'image':
            return `<img id="${name}" class="ctl image" src="${logo}" alt="${Escaped(control.text)}" width="${
                control.rect[2]}" height="${control.rect[3]}">`;
        case 'memo':
            return `<textarea id="${name}" class="ctl memo" readonly spellcheck="false" aria-labelledby="${
                window.name}-caption"${autofocus(control)}></textarea>`;
        default:
            throw new Error(`${name}: no way to draw a control of kind ${control.kind}`);
        }
    };
    return inTabOrder('').map(element).join('');
}

// Each control at its place in its parent's element, docked ones
// included, as form-facts worked them out for the page.
function WindowRules(window, description) {
    const selector = (control) => `#${control.name}${control.kind === 'tabs' ? '-frame' : ''}`;
    const rules = window.controls.map((control) => PlaceRule(selector(control), control.place));
    const bar = window.controls.find((control) => control.kind === 'statusBar');
    if (bar) {
        let left = 0;
        description.statusPanels.forEach((panel, index) => {
            const width = panel.width || undefined;
            rules.push(BoxRule(`#${bar.name}-${index + 1}`, { left, width }) + (width ? '' : `#${bar.name}-${index + 1}{right:0}`));
            left += panel.width;
        });
    }
    return rules.join('\n');
}

// The message box: the window system's, so not in the description; it
// takes its caption from there, and its one button says what the list
// window's OK button says.
const Icons = {
    information: '<circle cx="16" cy="16" r="15" fill="#2a64c5"/><rect x="14" y="13" width="4" height="12" fill="#fff"/>'
        + '<circle cx="16" cy="8.5" r="2.5" fill="#fff"/>',
    error: '<circle cx="16" cy="16" r="15" fill="#c42b1c"/><path d="M10 10L22 22M22 10L10 22" stroke="#fff" stroke-width="3.5"/>',
};

function MessageBoxMarkup(description) {
    const ok = description.windows.flatMap((window) => window.controls).find((control) => control.name === 'btnOK');
    const icons = Object.entries(Icons).map(([kind, drawing]) =>
        `<svg class="icon ${kind}" viewBox="0 0 32 32" aria-hidden="true">${drawing}</svg>`).join('');
    return `<template id="MessageBox"><dialog role="alertdialog" class="window messagebox" aria-labelledby="MessageBox-caption" aria-describedby="MessageBox-text"><div class="caption"><span id="MessageBox-caption">${
        Escaped(description.messageCaption)}</span></div><div class="client">${icons}<p id="MessageBox-text"></p><button type="button" class="button" autofocus>${
        Escaped(ok.text)}</button></div></dialog></template>`;
}

// The viewport that holds a window drawn at its places: as wide as the
// widest window and a margin; a dialog also as tall as its caption bar,
// its client area and the margin. Narrower, the form flows down the page
// in one column; shorter, a dialog fits itself to the viewport (form.css).
const Margin = 20;
const CaptionBarHeight = 26;

function WholeWindowQueries(description) {
    const [main, ...dialogs] = description.windows;
    const wide = `(min-width: ${Math.max(...description.windows.map((window) => window.clientWidth)) + Margin}px)`;
    return Object.fromEntries([[main.name, wide], ...dialogs.map((window) =>
        [window.name, `${wide} and (min-height: ${window.clientHeight + CaptionBarHeight + Margin}px)`])]);
}

// What the page has that the desktop programs do not: in one column, the
// list window's "Copy", for a touch screen, where selecting a whole list
// by hand is hard; it stands before OK.
const PageOnly = {
    btnOK: '<button type="button" id="btnCopy" class="button copy">Copy</button>',
};

// The first window is the page itself (its caption the page's title and
// its heading); the others are dialogs made from a template for each
// showing. Each window's places hold where the viewport holds the whole
// window; `queries` names those conditions for form.css, as custom media
// (--whole-frmMain, --whole-frmResult).
export function FormMarkup(description, { logo }) {
    const [main, ...dialogs] = description.windows;
    const queries = WholeWindowQueries(description);
    const client = (window) => `#${window.name}${window === main ? '' : ' > .client'}{width:${
        window.clientWidth}px;height:${window.clientHeight}px}`;
    // A dialog that does not fit keeps its client size where it can.
    const size = (window) => (window === main ? '' : `#${window.name}{--client-width:${
        window.clientWidth}px;--client-height:${window.clientHeight}px}\n`);
    const places = (window) => `${size(window)}@media ${queries[window.name]}{\n${client(window)}\n${
        WindowRules(window, description)}\n}`;
    // The dialogs' caption bars, as high as the queries have them.
    const captionBars = `:root{--caption-bar-height:${CaptionBarHeight}px}`;
    const templates = dialogs.map((window) =>
        `<template id="${window.className}"><dialog id="${window.name}" class="window" aria-labelledby="${
            window.name}-caption"><div class="caption"><span id="${window.name}-caption">${Escaped(window.caption)
        }</span><button type="button" class="close" tabindex="-1" aria-hidden="true"><svg viewBox="0 0 10 10"><path d="M1 1L9 9M9 1L1 9"/></svg></button></div><div class="client">${
            WindowMarkup(window, description, logo, PageOnly)}</div></dialog></template>`).join('');
    return {
        title: Escaped(main.caption),
        body: `<main id="${main.name}" class="window client"><h1 id="${main.name}-caption">${
            Escaped(main.caption)}</h1>${WindowMarkup(main, description, logo)}</main>${templates}${
            MessageBoxMarkup(description)}`,
        css: [...description.windows.map(places), captionBars].join('\n'),
        queries,
    };
}
