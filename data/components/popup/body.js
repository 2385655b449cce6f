VLMObject.create("popup", {
  name: "<!-- property:name //-->",
  x: "<!-- property:x //-->",
  y: "<!-- property:y //-->",
  width: "<!-- property:width //-->",
  height: "<!-- property:height //-->",
  visibility: "<!-- property:visibility //-->",
  step: "<!-- property:step //-->",
  title: "<!-- property:title //-->",
  text: "<!-- property:text //-->",
  closeCaption: "<!-- property:closeCaption //-->",
  modal: "<!-- property:modal //-->",
  fontFamily: "<!-- property:fontFamily //-->",
  fontSize: "<!-- property:fontSize //-->",
  color: "<!-- property:color //-->",
  bgColor: "<!-- property:bgColor //-->",
  titleColor: "<!-- property:titleColor //-->"
}, {
  onshow: function () {
<!-- event:onshow //-->
  },
  onhide: function () {
<!-- event:onhide //-->
  }
});
