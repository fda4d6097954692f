// SPDX-FileCopyrightText: 2026 Brenvik Config Assistant developers
// SPDX-License-Identifier: MIT

// TfrmMain, the main window: the page's form, drawn from the description
// when the page was built; this gives it its tab strip and its buttons,
// each doing what its row says. Everything they check and list comes from
// the core.

import { LoadCore, RunAction } from './CoreModule.js';
import { ShowMessage } from './MessageBox.js';
import { TfrmResult } from './ATCommandList.js';

const formFacts = JSON.parse(document.getElementById('formFacts').textContent);
const byId = (id) => document.getElementById(id);
const FailureText = (error) => (error?.message ? formFacts.listNotShownBecause + error.message : formFacts.listNotShown);

// The tab strip, as the desktop's: one stop for Tab, the arrow keys (and
// Home, End) move to the next tab and show its page at once.
function MainPageTabs() {
    const MainPage = byId('MainPage');
    const tabs = [...MainPage.querySelectorAll('[role=tab]')];
    const select = (chosen) => {
        for (const tab of tabs) {
            const selected = tab === chosen;
            tab.setAttribute('aria-selected', String(selected));
            tab.tabIndex = selected ? 0 : -1;
            byId(tab.getAttribute('aria-controls')).hidden = !selected;
        }
        chosen.focus();
    };
    MainPage.addEventListener('click', (event) => {
        const tab = event.target.closest('[role=tab]');
        if (tab)
            select(tab);
    });
    MainPage.addEventListener('keydown', (event) => {
        const at = tabs.indexOf(document.activeElement);
        const moves = { ArrowRight: at + 1, ArrowDown: at + 1, ArrowLeft: at - 1, ArrowUp: at - 1, Home: 0,
            End: tabs.length - 1 };
        if (at < 0 || !(event.key in moves) || event.altKey || event.ctrlKey || event.metaKey)
            return;
        event.preventDefault();
        select(tabs[(moves[event.key] + tabs.length) % tabs.length]);
    });
}

// A new list window for this list, however its showing ends; a failure is
// told in an error box, and the page goes on.
async function ShowCommandList(lines) {
    try {
        const frmResult = new TfrmResult();
        try {
            lines.forEach((line) => frmResult.AddLine(line));
            await frmResult.ShowModal();
        } finally {
            frmResult.Destroy();
        }
    } catch (error) {
        await ShowMessage(FailureText(error), 'error');
    }
}

async function Present(outcome) {
    if (outcome.lines)
        return ShowCommandList(outcome.lines);
    await ShowMessage(outcome.message, 'information');
    if (outcome.focus) {
        const field = byId(outcome.focus);
        field.focus();
        field.select();
    }
}

// The values of a click's inputs, in its row's order.
const InputValues = (click) => click.inputs.map(({ name, kind }) =>
    (kind === 'dropDown' ? { index: byId(name).selectedIndex } : { text: byId(name).value }));

// One click at a time: a second one, before the first has its window
// open (while the core is still being made ready), does nothing.
let clickRunning = false;

async function RunClick(click) {
    if (clickRunning)
        return;
    clickRunning = true;
    try {
        let outcome;
        try {
            await LoadCore();
            outcome = RunAction(click.action, InputValues(click));
        } catch (error) {
            await ShowMessage(FailureText(error), 'error');
            return;
        }
        await Present(outcome);
    } finally {
        clickRunning = false;
    }
}

MainPageTabs();
// Each button runs its row's action over its row's inputs, through a
// handler named as its row says (btnShowClick).
for (const click of formFacts.clicks) {
    const handler = { [click.handler]: () => RunClick(click) }[click.handler];
    byId(click.button).addEventListener('click', handler);
}
// The module is made ready once the form is on the screen; a failure is
// told on the first click, in its error box.
requestAnimationFrame(() => setTimeout(() => LoadCore().catch(() => {})));
