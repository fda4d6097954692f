// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// Clicks on the two create buttons: every rejection of the shared table
// with its message box and focus, the lists line by line in a new window
// each time, and failures told in an error box.

import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import { closeWindow, expected, focusedId, form, launch, openPage, openWindow, setField, showTab } from './support.js';

const studyFields = ['edtCharNotify', 'edtCharWrite'];
const beaconFields = ['edtiBeaconUUID', 'edtiBeaconMajor', 'edtiBeaconMinor'];
const fieldValues = (page) => page.evaluate((ids) => ids.map((id) => document.getElementById(id).value),
    [...studyFields, ...beaconFields]);

// Shows the row's tab and sets its fields and UUID type.
async function FillIn(page, row) {
    await page.reload();
    await showTab(page, row.tab);
    for (const [id, text] of Object.entries(row.fields))
        await setField(page, id, text);
    if (row.uuidType !== undefined)
        await page.selectOption('#cbUUIDType', { index: row.uuidType });
}

let browser;
before(async () => { browser = await launch(); });
after(() => browser.close());

const rejections = [
    ...expected.studyRejections.map((row) => ({ ...row, tab: 'tbStudy', button: 'btnShow',
        fields: { edtCharNotify: row.notify, edtCharWrite: row.write }, uuidType: row.uuidType })),
    ...expected.beaconRejections.map((row) => ({ ...row, tab: 'tabBeacon', button: 'btniBeacon',
        fields: { edtiBeaconUUID: row.uuid, edtiBeaconMajor: row.major, edtiBeaconMinor: row.minor } })),
];

describe('a rejected click shows the message box, then focuses the named field', () => {
    let page, errors;
    before(async () => ({ page, errors } = await openPage(browser)));

    for (const row of rejections) {
        test(`${row.button}: ${row.name}`, async () => {
            await FillIn(page, row);
            const before = await fieldValues(page);
            await page.click(`#${row.button}`);

            const box = await openWindow(page);
            assert.deepEqual(box, { id: '', role: 'alertdialog', caption: form.messageCaption, text: row.message,
                icons: ['information'], buttons: ['OK'], lines: undefined, focused: 'OK', open: 1 });
            await closeWindow(page);

            assert.equal(await focusedId(page), row.focus || row.button);
            const selection = await page.evaluate(() => {
                const field = document.activeElement;
                return [field.selectionStart, field.selectionEnd, field.value.length];
            });
            if (row.focus)
                assert.deepEqual(selection.slice(0, 2), [0, selection[2]], 'the whole text selected');
            assert.deepEqual(await fieldValues(page), before, 'no field changed');
        });
    }
    test('no script error', () => assert.deepEqual(errors, []));
});

const lists = [
    { name: 'study defaults, 16-bit', tab: 'tbStudy', button: 'btnShow', fields: {}, lines: expected.studyDefaults16 },
    { name: 'the worked 128-bit UUIDs', tab: 'tbStudy', button: 'btnShow', uuidType: 1,
        fields: { edtCharNotify: expected.workedNotify, edtCharWrite: expected.workedWrite },
        lines: expected.studyExample128 },
    { name: 'iBeacon defaults', tab: 'tabBeacon', button: 'btniBeacon', fields: {}, lines: expected.beaconDefaults },
];

describe('an accepted click shows its list in a new window, gone once closed', () => {
    let page, errors;
    before(async () => ({ page, errors } = await openPage(browser)));

    for (const row of lists) {
        test(row.name, async () => {
            await FillIn(page, row);
            const before = await fieldValues(page);

            for (const close of ['OK', 'close box']) {
                await page.click(`#${row.button}`);
                const shown = await openWindow(page);
                assert.deepEqual(shown.lines, row.lines);
                assert.equal(shown.id, 'frmResult');
                assert.equal(shown.focused, 'memLog');
                // Marks this window, so that the next click is seen to make another.
                assert.equal(await page.evaluate(() => {
                    const frmResult = document.getElementById('frmResult');
                    const seen = frmResult.seenBefore === true;
                    frmResult.seenBefore = true;
                    window.lastResult = frmResult;
                    return seen;
                }), false);
                if (close === 'OK')
                    await page.click('#btnOK');
                else
                    await page.click('#frmResult .close');
                await page.locator('#frmResult').waitFor({ state: 'detached' });
                assert.equal(await page.evaluate(() => window.lastResult.isConnected), false);
                assert.equal(await focusedId(page), row.button, `focus back after ${close}`);
            }
            assert.deepEqual(await fieldValues(page), before, 'no field changed');
        });
    }

    test('the list can be selected but not changed', async () => {
        await page.reload();
        await page.click('#btnShow');
        await openWindow(page);
        await page.keyboard.type('xyz');
        await page.keyboard.press('Delete');
        await page.keyboard.press('Backspace');
        const memLog = await page.evaluate(() => {
            const text = document.getElementById('memLog');
            text.select();
            return { readOnly: text.readOnly, value: text.value, selected: text.selectionEnd - text.selectionStart };
        });
        assert.equal(memLog.readOnly, true);
        assert.equal(memLog.value, expected.studyDefaults16.join('\n'));
        assert.equal(memLog.selected, memLog.value.length);
        await closeWindow(page);
    });
    test('no script error', () => assert.deepEqual(errors, []));
});

// Failures made on purpose before the page's own script runs.
const failures = [
    { name: 'the module does not load', reason: 'no module here',
        init: () => { WebAssembly.instantiate = () => Promise.reject(new Error('no module here')); } },
    { name: 'the list window cannot be shown', reason: 'not shown here',
        init: () => {
            const showModal = HTMLDialogElement.prototype.showModal;
            HTMLDialogElement.prototype.showModal = function () {
                if (this.id === 'frmResult')
                    throw new Error('not shown here');
                return showModal.call(this);
            };
        } },
];

describe('a failure while making a list is told in an error box; the page goes on', () => {
    for (const row of failures) {
        test(row.name, async () => {
            const { context, page, errors } = await openPage(browser, {}, row.init);
            for (const attempt of [1, 2]) {
                await page.click('#btnShow');
                const box = await openWindow(page);
                assert.equal(box.text, form.listNotShownBecause + row.reason, `attempt ${attempt}`);
                assert.deepEqual(box.icons, ['error']);
                assert.deepEqual(box.buttons, ['OK']);
                await closeWindow(page);
                assert.equal(await page.locator('#frmResult').count(), 0);
            }
            await showTab(page, 'tabBeacon');
            assert.equal(await page.isVisible('#edtiBeaconUUID'), true);
            assert.deepEqual(errors, []);
            await context.close();
        });
    }
});
