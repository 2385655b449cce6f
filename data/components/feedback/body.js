VLMObject.create("feedback", {
  name: "<!-- property:name //-->",
  x: "<!-- property:x //-->",
  y: "<!-- property:y //-->",
  width: "<!-- property:width //-->",
  height: "<!-- property:height //-->",
  visibility: "<!-- property:visibility //-->",
  step: "<!-- property:step //-->",
  kind: "<!-- property:kind //-->",
  forObject: "<!-- property:forObject //-->",
  text: "<!-- property:text //-->",
  closeCaption: "<!-- property:closeCaption //-->",
  showScore: "<!-- property:showScore //-->",
  fontFamily: "<!-- property:fontFamily //-->",
  fontSize: "<!-- property:fontSize //-->",
  color: "<!-- property:color //-->",
  bgColor: "<!-- property:bgColor //-->"
}, {
  onshow: function () {
<!-- event:onshow //-->
  },
  onhide: function () {
<!-- event:onhide //-->
  }
});
