// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// What a screen reader gets, read from Chromium's accessibility tree
// (CDP): the fields named by their group's caption and described by their
// hint, the drop-down list by its label, the logo, the tabs, and the two
// modal windows with nothing of the page behind them; what axe-core finds
// in every scheme; and the selected tab and the focus under forced
// colours.

import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { after, before, describe, test } from 'node:test';
import { control, expected, form, openWindow, pageUrl, showTab, withCdpPage } from './support.js';

let page, cdp;
withCdpPage(['DOM', 'Accessibility'], (opened) => ({ page, cdp } = opened));

// Role, name and description of the node for `selector`.
async function Heard(selector) {
    const { root } = await cdp.send('DOM.getDocument', { depth: -1 });
    const { nodeId } = await cdp.send('DOM.querySelector', { nodeId: root.nodeId, selector });
    const { nodes } = await cdp.send('Accessibility.getPartialAXTree', { nodeId, fetchRelatives: false });
    const [node] = nodes;
    const readOnly = node.properties?.find((p) => p.name === 'readonly')?.value.value ?? false;
    return { role: node.role.value, name: node.name?.value ?? '', description: node.description?.value ?? '', readOnly };
}

// The names of everything a screen reader can reach now.
async function Reachable() {
    const { nodes } = await cdp.send('Accessibility.getFullAXTree');
    return nodes.filter((node) => !node.ignored && node.name?.value).map((node) => node.name.value);
}

const caption = (name) => control(control(name).parent).text;
const hint = (name) => control(control(name).hint).text;
const fields = [
    ['tbStudy', 'edtCharNotify'], ['tbStudy', 'edtCharWrite'],
    ['tabBeacon', 'edtiBeaconUUID'], ['tabBeacon', 'edtiBeaconMajor'], ['tabBeacon', 'edtiBeaconMinor'],
];

describe('the main window', () => {
    for (const [tab, name] of fields) {
        test(`${name} is named by its group's caption, described by its hint`, async () => {
            await showTab(page, tab);
            assert.deepEqual(await Heard(`#${name}`),
                { role: 'textbox', name: caption(name), description: hint(name), readOnly: false });
        });
    }
    test('the drop-down list is named by its label', async () => {
        await showTab(page, 'tbStudy');
        assert.deepEqual(await Heard('#cbUUIDType'),
            { role: 'combobox', name: 'Chose UUID type:', description: '', readOnly: false });
    });
    test('the logo has a name of its own', async () => {
        await showTab(page, 'TabSheet1');
        assert.deepEqual(await Heard('#imgLogo'), { role: 'image', name: control('imgLogo').text, description: '',
            readOnly: false });
    });
    test('the tab strip and its tabs', async () => {
        assert.equal((await Heard('#MainPage')).role, 'tablist');
        for (const tab of ['tbStudy', 'tabBeacon', 'TabSheet1'])
            assert.deepEqual(await Heard(`#${tab}-tab`), { role: 'tab', name: control(tab).text.replace('&&', '&'),
                description: '', readOnly: false });
        assert.equal((await Heard('#TabSheet1')).name, 'Quorinet&Zelvane');
    });
    test('the buttons', async () => {
        await showTab(page, 'tbStudy');
        assert.deepEqual(await Heard('#btnShow'), { role: 'button', name: control('btnShow').text, description: '',
            readOnly: false });
    });
});

describe('the modal windows hide the page behind them', () => {
    test('a rejection: an alert dialog named by the caption, described by the message', async () => {
        await page.fill('#edtCharWrite', '');
        await page.click('#btnShow');
        await openWindow(page);
        assert.deepEqual(await Heard('dialog[open]'), { role: 'alertdialog', name: form.messageCaption,
            description: expected.messages.fill, readOnly: false });
        const reachable = await Reachable();
        assert.ok(reachable.includes('OK'));
        assert.ok(!reachable.includes(control('btnShow').text), 'the page is inert');
        await page.keyboard.press('Enter');
        await page.locator('dialog').waitFor({ state: 'detached' });
    });
    test('a list: its window and its read-only text named "AT Commands List"', async () => {
        await page.reload();
        await page.click('#btnShow');
        await openWindow(page);
        assert.deepEqual(await Heard('#frmResult'),
            { role: 'dialog', name: 'AT Commands List', description: '', readOnly: false });
        assert.deepEqual(await Heard('#memLog'),
            { role: 'textbox', name: 'AT Commands List', description: '', readOnly: true });
        const reachable = await Reachable();
        assert.ok(!reachable.includes(control('btnShow').text), 'the page is inert');
        await page.click('#btnOK');
        await page.locator('dialog').waitFor({ state: 'detached' });
        assert.ok((await Reachable()).includes(control('btnShow').text), 'the page is back');
    });
});

// axe-core on each tab and with each dialog open, in the light and the
// dark scheme and under forced colours, at a desktop's width and a
// phone's: nothing it reports, contrast included.
const axeSource = readFileSync(new URL('node_modules/axe-core/axe.min.js', import.meta.url), 'utf8');
const schemes = [
    { name: 'light', media: { colorScheme: 'light' } },
    { name: 'dark', media: { colorScheme: 'dark' } },
    { name: 'forced colours', media: { forcedColors: 'active' } },
];
const states = [
    { name: 'study tab', tab: 'tbStudy' },
    { name: 'iBeacon tab', tab: 'tabBeacon' },
    { name: 'third tab', tab: 'TabSheet1' },
    { name: 'the message box', tab: 'tbStudy', empty: 'edtCharNotify' },
    { name: 'the list window', tab: 'tbStudy' },
];

describe('axe-core finds nothing', () => {
    let context, axePage;
    before(async () => {
        context = await page.context().browser().newContext();
        await context.addInitScript({ content: axeSource });
        axePage = await context.newPage();
        await axePage.goto(pageUrl);
    });
    after(() => context.close());
    for (const width of [800, 360]) {
        for (const scheme of schemes) {
            test(`${scheme.name}, ${width} pixels wide`, async () => {
                await axePage.setViewportSize({ width, height: 640 });
                await axePage.emulateMedia({ colorScheme: 'light', forcedColors: 'none', ...scheme.media });
                const found = [];
                for (const state of states) {
                    await axePage.reload();
                    await axePage.click(`#${state.tab}-tab`);
                    if (state.empty)
                        await axePage.fill(`#${state.empty}`, '');
                    if (state.name.startsWith('the '))
                        await axePage.click('#btnShow').then(() => openWindow(axePage));
                    const { violations } = await axePage.evaluate(() => axe.run(document, { resultTypes: ['violations'] }));
                    found.push(...violations.map((v) => `${state.name}: ${v.id} (${v.impact}) at ${v.nodes.map((n) => n.target).join(', ')}`));
                }
                assert.deepEqual(found, []);
            });
        }
    }
});

// Under forced colours the system's colours replace the page's, which no
// longer tell the selected tab or the focus apart: both show by shape.
test('forced colours: the selected tab stands out, and every focus shows', async () => {
    await page.emulateMedia({ forcedColors: 'active' });
    await page.reload();
    const seen = await page.evaluate(() => {
        const style = (id) => getComputedStyle(document.getElementById(id));
        const tabs = [style('tbStudy-tab').backgroundColor, style('tabBeacon-tab').backgroundColor];
        const focus = {};
        for (const id of ['tbStudy-tab', 'cbUUIDType', 'edtCharWrite', 'edtCharNotify', 'btnShow']) {
            const before = [style(id).outlineStyle, style(id).borderColor];
            document.getElementById(id).focus({ focusVisible: true });
            const after = [style(id).outlineStyle, style(id).borderColor];
            focus[id] = after[0] !== 'none' || after[1] !== before[1];
        }
        return { tabsDiffer: tabs[0] !== tabs[1], focus };
    });
    await page.emulateMedia({ forcedColors: 'none' });
    assert.deepEqual(seen, { tabsDiffer: true, focus: { 'tbStudy-tab': true, cbUUIDType: true, edtCharWrite: true,
        edtCharNotify: true, btnShow: true } });
});
