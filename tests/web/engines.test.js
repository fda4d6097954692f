// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// In Chromium, Firefox and WebKitGTK alike (engines.js): every rejection
// of the shared table with its message box and focus, the three lists
// line by line in a new window each time, opening at their first line,
// and every fixed text inside its control, with the system's faces and
// with the bundled face alone.

import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import { WaitFor, engines } from './engines.js';
import { expected, form, pages } from './support.js';

const fieldIds = ['edtCharNotify', 'edtCharWrite', 'edtiBeaconUUID', 'edtiBeaconMajor', 'edtiBeaconMinor'];

const rejections = [
    ...expected.studyRejections.map((row) => ({ ...row, tab: 'tbStudy', button: 'btnShow',
        fields: { edtCharNotify: row.notify, edtCharWrite: row.write }, uuidType: row.uuidType })),
    ...expected.beaconRejections.map((row) => ({ ...row, tab: 'tabBeacon', button: 'btniBeacon',
        fields: { edtiBeaconUUID: row.uuid, edtiBeaconMajor: row.major, edtiBeaconMinor: row.minor } })),
];
const lists = [
    { name: 'study defaults, 16-bit', tab: 'tbStudy', button: 'btnShow', fields: {}, lines: expected.studyDefaults16 },
    { name: 'the worked 128-bit UUIDs', tab: 'tbStudy', button: 'btnShow', uuidType: 1,
        fields: { edtCharNotify: expected.workedNotify, edtCharWrite: expected.workedWrite },
        lines: expected.studyExample128 },
    { name: 'iBeacon defaults', tab: 'tabBeacon', button: 'btniBeacon', fields: {}, lines: expected.beaconDefaults },
];

// Run in the page: sets a row's fields and UUID type; the texts of all
// fields afterwards.
function FillIn({ fields, uuidType, ids }) {
    for (const [id, text] of Object.entries(fields))
        document.getElementById(id).value = text;
    if (uuidType !== undefined && uuidType !== null)
        document.getElementById('cbUUIDType').selectedIndex = uuidType;
    return ids.map((id) => document.getElementById(id).value);
}

// Run in the page: what the open modal window shows, or null.
function ShownWindow() {
    const box = document.querySelector('dialog[open]');
    if (!box)
        return null;
    const memLog = box.querySelector('textarea');
    return {
        id: box.id,
        role: box.getAttribute('role'),
        caption: box.querySelector('.caption > span').textContent,
        text: box.querySelector('p')?.textContent ?? null,
        icons: [...box.querySelectorAll('.icon')].map((icon) => icon.classList[1]),
        buttons: [...box.querySelectorAll('.client button')].filter((b) => b.checkVisibility()).map((b) => b.textContent),
        lines: memLog ? memLog.value.split('\n') : null,
        // The view and the caret at the start of the list.
        start: memLog ? [memLog.scrollTop, memLog.selectionStart, memLog.selectionEnd] : null,
        focused: document.activeElement.id || document.activeElement.textContent,
        open: document.querySelectorAll('dialog[open]').length,
    };
}

// Run in the page, once no window is open: the focused control, its
// selection, and the texts of all fields.
function AfterClose(ids) {
    if (document.querySelector('dialog'))
        return null;
    const focus = document.activeElement;
    return { focused: focus.id, selection: [focus.selectionStart ?? null, focus.selectionEnd ?? null, focus.value?.length ?? null],
        values: ids.map((id) => document.getElementById(id).value) };
}

// Run in the page: the fixed texts that do not fit their control; the
// items of the drop-down list measured in its font.
function TextsOutside() {
    const outside = [];
    const inside = (inner, outer) => inner.left >= outer.left && inner.right <= outer.right
        && inner.top >= outer.top && inner.bottom <= outer.bottom;
    for (const text of document.querySelectorAll('.text')) {
        if (!text.checkVisibility())
            continue;
        const range = document.createRange();
        range.selectNodeContents(text);
        const box = range.getBoundingClientRect();
        const control = text.matches('.ctl') ? text.parentElement : text.closest('.ctl, [role=tab], .panel');
        if (!inside(box, control.getBoundingClientRect()))
            outside.push(`${text.id || text.textContent} in ${control.id}`);
    }
    const strip = document.getElementById('MainPage').getBoundingClientRect();
    if (strip.right > document.getElementById('MainPage-frame').getBoundingClientRect().right)
        outside.push('the tab strip');
    for (const select of [...document.querySelectorAll('select')].filter((s) => s.checkVisibility())) {
        const context = document.createElement('canvas').getContext('2d');
        const style = getComputedStyle(select);
        context.font = `${style.fontSize} ${style.fontFamily}`;
        const room = select.clientWidth - 24; // the drop-down arrow and the padding
        for (const option of select.options)
            if (context.measureText(option.text).width > room)
                outside.push(`${option.text} in ${select.id}`);
    }
    return outside;
}

// The page's own choice of face (the system's form face where it has
// one), and the face it brings.
const faces = [
    { name: "the page's faces", face: null },
    { name: 'the bundled face alone', face: '"Brenvik Sans"' },
];

for (const engine of engines) {
    describe(engine.name, () => {
        let session;
        before(async () => { session = await engine.open(); });
        after(() => session?.close());

        const click = async (row) => {
            await session.click(`#${row.tab}-tab`);
            const before = await session.evaluate(FillIn, { fields: row.fields, uuidType: row.uuidType, ids: fieldIds });
            await session.click(`#${row.button}`);
            return { before, shown: await WaitFor(session, ShownWindow) };
        };

        describe('a rejected click shows the message box, then focuses the named field', () => {
            for (const row of rejections) {
                test(`${row.button}: ${row.name}`, async () => {
                    const { before, shown } = await click(row);
                    assert.deepEqual(shown, { id: '', role: 'alertdialog', caption: form.messageCaption, text: row.message,
                        icons: ['information'], buttons: ['OK'], lines: null, start: null, focused: 'OK', open: 1 });
                    await session.click('dialog[open] .client button');
                    const { focused, selection, values } = await WaitFor(session, AfterClose, fieldIds);
                    assert.equal(focused, row.focus || row.button);
                    if (row.focus)
                        assert.deepEqual(selection.slice(0, 2), [0, selection[2]], 'the whole text selected');
                    assert.deepEqual(values, before, 'no field changed');
                });
            }
        });

        describe('an accepted click shows its list from its first line, in a new window each time', () => {
            for (const row of lists) {
                test(row.name, async () => {
                    await session.reload();
                    for (const close of ['#btnOK', '#frmResult .close']) {
                        const { before, shown } = await click(row);
                        assert.deepEqual(shown, { id: 'frmResult', role: null, caption: 'AT Commands List', text: null,
                            icons: [], buttons: ['OK'], lines: row.lines, start: [0, 0, 0], focused: 'memLog', open: 1 });
                        // Marks this window, so that the next click is seen to make another.
                        assert.equal(await session.evaluate(() => {
                            const seen = window.lastResult === document.getElementById('frmResult');
                            window.lastResult = document.getElementById('frmResult');
                            return seen;
                        }), false);
                        await session.click(close);
                        const { focused, values } = await WaitFor(session, AfterClose, fieldIds);
                        assert.equal(focused, row.button, `focus back after ${close}`);
                        assert.equal(await session.evaluate(() => window.lastResult.isConnected), false);
                        assert.deepEqual(values, before, 'no field changed');
                    }
                });
            }
        });

        describe('every fixed text fits its control', () => {
            for (const { name, face } of faces) {
                test(name, async () => {
                    await session.reload();
                    await session.evaluate(async (family) => {
                        if (family)
                            document.documentElement.style.setProperty('--form-face', family);
                        await document.fonts.ready;
                    }, face);
                    const seen = [];
                    for (const { name: tab } of pages) {
                        await session.click(`#${tab}-tab`);
                        seen.push(...await session.evaluate(TextsOutside));
                    }
                    await session.click('#tbStudy-tab');
                    await session.click('#btnShow');
                    await WaitFor(session, ShownWindow);
                    seen.push(...await session.evaluate(TextsOutside));
                    await session.click('#btnOK');
                    assert.deepEqual(seen, []);
                });
            }
        });
    });
}
