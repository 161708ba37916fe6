// The relation builder "قريب آخر" on the web page: a relative beyond the
// heir buttons built outwards from the deceased one step at a time, named
// as he grows, with a count and an optional label of his line. Which steps
// are offered, his name, the count allowed and the refusals are the C++
// builder's and session's (present/relation_builder.h), as the desktop's
// dialog shows them; this script shows its state and passes the presses on.
// What it adds to is its target: the case's first deceased, or a later
// deceased's heirs in the later-death form (qismaru-later.js).
'use strict';

const qismaruRelatives = (function () {
  const $ = (id) => document.getElementById(id);
  const cell = (tag, text) => qismaruViews.cell(tag, text);
  let page = null; // {pageCase, changed}
  // {form() → state, add(count, label) → {ok, message}, removeLast(),
  // changed() once its relatives changed, opener: the control focused on close}
  let target = null;

  function form() {
    return target.form();
  }

  function say(problem) {
    $('relative-problem').textContent = problem;
    $('relative-problem').hidden = !problem;
  }

  function show() {
    const state = form();
    $('relative-name').textContent = state.name;
    for (const button of $('relative-steps').children) {
      button.disabled = !state.steps.find((step) => step.letter === button.dataset.letter).offered;
    }
    $('relative-back').disabled = state.path === '';
    $('relative-restart').disabled = state.path === '';
    const count = $('relative-count');
    count.max = state.maxCount;
    if (Number(count.value) > state.maxCount) count.value = String(state.maxCount);
    $('relative-add').disabled = !state.canAdd;
    $('relative-remove-last').disabled = !state.canRemoveLast;
    $('relative-added').replaceChildren(...state.added.map((name) => cell('li', name)));
    $('relative-added-empty').hidden = state.added.length > 0;
    // A key that disabled the control it pressed leaves the keyboard's user
    // where he can go on: at the next step offered, else at the count.
    const focused = document.activeElement;
    if (focused && focused.disabled && $('relative-dialog').contains(focused)) {
      const next = [...$('relative-steps').children].find((button) => !button.disabled);
      (next || count).focus();
    }
  }

  // A path changed: what was said of the former one no longer holds.
  function changed(command) {
    command();
    say('');
    show();
  }

  // The count as typed, 0 for what is no whole number: the session refuses
  // it in its own words.
  function typedCount() {
    const text = $('relative-count').value.trim();
    return /^[0-9]{1,6}$/.test(text) ? Number(text) : 0;
  }

  function add(event) {
    event.preventDefault();
    const added = target.add(typedCount(), $('relative-label').value.trim());
    if (!added.ok) {
      say(added.message);
      return;
    }
    say('');
    // Ready for the next relative, who is most often a close one of this one.
    $('relative-label').value = '';
    $('relative-count').value = '1';
    show();
    target.changed();
  }

  function removeLast() {
    target.removeLast();
    say('');
    show();
    target.changed();
  }

  function open(to) {
    target = to;
    const state = form();
    $('relative-steps').replaceChildren(
      ...state.steps.map((step) => {
        const button = cell('button', step.caption);
        button.type = 'button';
        button.dataset.letter = step.letter;
        button.addEventListener('click', () => changed(() => page.pageCase.relativeStep(step.letter)));
        return button;
      })
    );
    say('');
    show();
    $('relative-dialog').showModal();
    const first = [...$('relative-steps').children].find((button) => !button.disabled);
    (first || $('relative-close')).focus();
  }

  function connect(pageParts) {
    page = pageParts;
    const theCase = {
      form: () => JSON.parse(page.pageCase.relativeForm()),
      add: (count, label) => JSON.parse(page.pageCase.addRelative(count, label)),
      removeLast: () => page.pageCase.removeLastRelative(),
      changed: () => page.changed(),
      opener: $('add-relative'),
    };
    $('add-relative').addEventListener('click', () => open(theCase));
    $('relative-back').addEventListener('click', () => changed(() => page.pageCase.relativeBack()));
    $('relative-restart').addEventListener('click', () => changed(() => page.pageCase.relativeRestart()));
    $('relative-form').addEventListener('submit', add);
    $('relative-remove-last').addEventListener('click', removeLast);
    $('relative-close').addEventListener('click', () => $('relative-dialog').close());
    for (const id of ['relative-count', 'relative-label']) $(id).addEventListener('input', () => say(''));
    $('relative-dialog').addEventListener('close', () => target.opener.focus());
  }

  return { connect, open };
})();
